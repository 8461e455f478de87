#!/usr/bin/python3
"""Plays the real game by keyboard alone under Orca, Debian's screen reader,
and checks what Orca says and brailles: its debug log's SPEECH OUTPUT and
BRAILLE LINE lines (braille is on with no display). The route: choose a
picture, deal, Tab through the buttons and the counter to the board, arrows
beside the hole, a move, a refused move, fifty moves typed fast; then, in each
other language, the window's words and the Quit? question, answered No.
Prints what Orca spoke and brailled. Runs under a window manager, which gives
the focus back when a message box closes: scripts/run-on-virtual-desktop.sh."""

import datetime
import fcntl
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree

TIMEOUT = 20.0
# What a key brings is over once Orca has been silent this long.
QUIET = 0.8
# Orca logs all the time it works: this long without a line, it hangs.
STALLED = 10.0
LOGGED = re.compile(r"^([\d:.]+) - (?:SPEECH OUTPUT: '(.*)'\s*[{[]|BRAILLE LINE:\s+'(.*)'$)")
PLACE = re.compile(r"row (\d), column (\d)", re.IGNORECASE)
BOX = re.compile(r"(Piece \d+|Hole) push button")
ARROWS = {(0, 1): "Right", (0, -1): "Left", (1, 0): "Down", (-1, 0): "Up"}
MOST_WORDS_FOR_A_BOX = 9
# The languages the game is started in after English, to its Quit? question:
# one read left to right, one right to left, one in CJK characters.
LANGUAGES = ("de", "he", "ja")
TRANSLATIONS = pathlib.Path(__file__).resolve().parents[3] / "translations"
# Moves typed at a fast typist's pace.
BURST_MOVES, KEY_DELAY_MS = 50, 30

# espeak-ng plays through ALSA into a file over null: no sound card and no
# sound server, without which speech-dispatcher fails and Orca waits forever.
SPEECHD_CONF = 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\nAudioOutputMethod "alsa"\n'
ASOUNDRC = 'pcm.!default { type file slave.pcm "null" file "/dev/null" format "raw" }\n'
LINE_BUFFERED_LOG = "import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n"

failures = []
transcript = []


class OrcaHung(RuntimeError):
    pass


def words(language):
    """The game's texts in the language, by their English ones, as a control
    shows them (without the & of an access key) or as written."""
    path, table = TRANSLATIONS / ("vennaro_%s.ts" % language), {}
    if language != "en":
        table = {m.findtext("source"): m.findtext("translation") for m in xml.etree.ElementTree.parse(path).iter("message")}
    return lambda text, written=False: table.get(text, text) if written else table.get(text, text).replace("&", "")


def access_key(caption):
    """xdotool's command for Alt and the caption's access key: a letter beyond
    ASCII by its code point, which xdotool binds to a spare key only for its
    delay, which must let the game read the binding before the key."""
    key = caption[caption.index("&") + 1]
    return "key", "--delay", "400", "alt+" + (key.lower() if key.isascii() else "U%04X" % ord(key))


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, flush=True)
    return condition


def wait_for(what, condition, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise TimeoutError("waited %.0f s for %s" % (timeout, what))
        time.sleep(0.05)
    return value


def xdotool(*arguments, check=True):
    return subprocess.run(["xdotool", *arguments], check=check, stdout=subprocess.PIPE, text=True).stdout


class Orca:
    """Orca and its speech server, started in a home of their own."""

    def __init__(self, home):
        self.log_path = os.path.join(home, "orca-debug-%d.log" % time.monotonic_ns())
        self.read, self.brailled, self.since = 0, [], time.monotonic()
        home = pathlib.Path(home)
        socket = pathlib.Path(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        for file, text in ((home / "speechd" / "speechd.conf", SPEECHD_CONF), (home / ".asoundrc", ASOUNDRC),
                           (home / "orca" / "orca-customizations.py", LINE_BUFFERED_LOG)):
            file.parent.mkdir(exist_ok=True)
            file.write_text(text)
        socket.parent.mkdir(exist_ok=True)
        socket.unlink(missing_ok=True)
        quiet = dict(env=dict(os.environ, HOME=str(home), GSETTINGS_BACKEND="memory"), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.speechd = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-c", "unix_socket", "-S", socket, "-C", home / "speechd"], **quiet)
        wait_for("the speech server", socket.exists)
        self.orca = subprocess.Popen(["orca", "-u", home / "orca", "--debug-file", self.log_path], **quiet)
        try:
            wait_for("Orca to say it is on", self.speaking, 60)
        except (TimeoutError, RuntimeError):
            self.orca.kill()
            self.speechd.terminate()
            raise

    def speaking(self):
        if self.orca.poll() is not None:
            raise RuntimeError("Orca ended as it started, with status %d" % self.orca.returncode)
        return os.path.exists(self.log_path) and "Screen reader on." in self.said()

    def said(self, when=False):
        """What Orca said since the last call, one utterance an entry, with
        the time Orca logged it if asked; the braille lines go to brailled."""
        with open(self.log_path, errors="replace") as log:
            log.seek(self.read)
            text = log.read()
        complete = text[:text.rfind("\n") + 1]
        self.read += len(complete.encode())
        self.since = time.monotonic() if complete else self.since
        logged = [m.groups() for m in map(LOGGED.search, complete.splitlines()) if m]
        self.brailled = self.brailled + [line for _, _, line in logged if line is not None]
        return [(at, u) if when else u for at, u, _ in logged if u is not None]

    def hear(self, key, expected, what, *command):
        """Presses the key (or runs the xdotool command) and returns what Orca
        says, once it said something matching expected and then fell silent."""
        self.said()
        self.brailled, heard = [], []
        xdotool(*(command or ("key", key)))
        try:
            wait_for(what, lambda: heard.extend(self.said()) or any(re.search(expected, u) for u in heard))
            while more := time.sleep(QUIET) or self.said():
                heard.extend(more)
        except TimeoutError as error:
            check(False, "%s after %s: %s" % (error, key, heard))
        transcript.append((key, heard, self.brailled))
        return heard

    def end_if_hung(self):
        """Ends Orca once it logged nothing for a while, raising OrcaHung if it
        ignores SIGTERM, as when it waits on its speech server for good."""
        silent = time.monotonic() - self.since
        if silent < STALLED:
            return
        self.orca.terminate()
        try:
            self.orca.wait(timeout=5)
        except subprocess.TimeoutExpired:
            # Orca will not start again while another, even a zombie, is there.
            for process in (self.orca, self.speechd):
                process.kill()
                process.wait()
            raise OrcaHung("Orca logged nothing for %.0f s and ignored SIGTERM" % silent)
        raise RuntimeError("Orca logged nothing for %.0f s" % silent)

    def stop(self):
        self.orca.terminate()
        try:
            self.orca.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.orca.kill()
        check("Screen reader off." in self.said(), "Orca ends on SIGTERM with its last words")
        self.speechd.terminate()

    def wait(self, timeout):
        self.speechd.wait(timeout)


def path(start, goal):
    """The arrow keys that take the focus from place start to place goal,
    each with the place it reaches."""
    keys = []
    (row, column), (goal_row, goal_column) = start, goal
    while (row, column) != goal:
        step = (1 if goal_row > row else -1, 0) if row != goal_row else (0, 1 if goal_column > column else -1)
        row, column = row + step[0], column + step[1]
        keys.append((ARROWS[step], (row, column)))
    return keys


def neighbours(place):
    row, column = place
    return [(row + down, column + right) for down, right in ARROWS if 0 <= row + down < 4 and 0 <= column + right < 4]


def place_in(utterances):
    found = [PLACE.search(u) for u in utterances if PLACE.search(u)]
    return (int(found[-1].group(1)) - 1, int(found[-1].group(2)) - 1) if found else None


def notifications(heard):
    """What the notifications shown said: Orca speaks the role, then the text."""
    return [text for role, text in zip(heard, heard[1:]) if role == "notification."]


def check_box_speech(heard, place):
    """A box is read piece first, in few words, with its place."""
    spoken = [u for u in heard if BOX.search(u) or PLACE.search(u)]
    check(spoken and BOX.match(spoken[0]) and sum(len(u.split()) for u in spoken) <= MOST_WORDS_FOR_A_BOX
          and place_in(heard) == place, "the box at %s is read piece first, in few words: %s" % (place, heard))


def start_game(orca, language):
    """The game as a desktop set to the language starts it, once Orca read its
    window taking the focus (given without a click)."""
    game = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8", LANGUAGE=language))
    window = wait_for("the game's window", lambda: xdotool("search", "--onlyvisible", "--pid", str(game.pid), check=False).split())[0]
    orca.hear("focus", re.escape(words(language)("Picture")) + " combo box", "Orca to read the window", "windowfocus", window)
    return game


def deal_and_read(orca, say):
    """Chooses the first picture, deals, and Tabs from the list through the
    buttons to the counter; returns what the deal announced."""
    picture, counter_name = say("Mountain Lake"), say("Number of Moves")
    shown = notifications(orca.hear("Down", "notification", "the first picture"))
    check(any(picture in n for n in shown), "the choice is announced: %s" % shown)
    start = access_key(say("&Start", written=True))
    dealt = notifications(orca.hear(start[-1], "notification", "the deal", *start))
    check(dealt and dealt[-1] in orca.brailled, "the deal is brailled as it is said: %s" % orca.brailled)
    for caption in map(say, ("E&xit", "Sol&ve", "&Start")):
        orca.hear("Tab", re.escape(caption) + " push button", "the %s button" % caption)
    counter = orca.hear("Tab", re.escape(counter_name), "the counter")
    check(re.search(re.escape(counter_name) + r"\D*\b0\b", " ".join(counter)) and not any("selected" in u for u in counter),
          "the counter reads its name and 0, not its selection: %s" % counter)
    return dealt


def play(orca):
    dealt = deal_and_read(orca, words("en"))
    hole = place_in(dealt)
    if not check(hole is not None and "hole" in dealt[0].lower(), "the deal tells where the hole is: %s" % dealt):
        return
    heard = orca.hear("Tab", PLACE, "the first box in the tab order")
    focused = place_in(heard)
    check_box_speech(heard, focused)
    # At least one arrow on the way, even when the focus starts beside the hole.
    goal = min((p for p in neighbours(hole) if p != focused), key=lambda p: len(path(focused, p)))
    for key, place in path(focused, goal):
        check_box_speech(orca.hear(key, PLACE, "the box at %s" % (place,)), place)
    moved = notifications(orca.hear("space", "Moves: 1", "the move"))
    check(len(moved) == 1 and place_in(moved) == hole, "the move tells the piece went to %s, one move: %s" % (hole, moved))
    check(orca.brailled[-1:] == moved and orca.brailled[-2].endswith(" Hole push button"),
          "braille shows the box as it is now, then the move: %s" % orca.brailled)
    refused = orca.hear("space", "Cannot move !!!", "the refused move")
    check(not notifications(refused), "a refused move announces nothing but its message: %s" % refused)
    back = orca.hear("Return", BOX, "the box again")
    check(any(u.startswith("Hole push button") for u in back), "the pressed box is the hole now: %s" % back)
    burst(orca, goal)


def burst(orca, hole):
    """From the hole to the box beside it and back, a move each time: Orca
    tells the result once. How soon after the last key goes to the transcript."""
    beside = neighbours(hole)[-1]
    orca.said()
    xdotool("key", "--delay", str(KEY_DELAY_MS), *[path(hole, beside)[0][0], "space", path(beside, hole)[0][0], "space"] * (BURST_MOVES // 2))
    typed, told, final = datetime.datetime.now(), [], "Moves: %d." % (BURST_MOVES + 1)
    wait_for("the burst's count", lambda: told.extend(orca.said(when=True)) or any(final in u for _, u in told) or orca.end_if_hung(), 60)
    late = [((datetime.datetime.combine(typed.date(), datetime.time.fromisoformat(at)) - typed).total_seconds(), u)
            for at, u in told if "Moves:" in u]
    transcript.append(("burst", ["%s %.2f s after the last key" % (u, seconds) for seconds, u in late], []))
    check(len(late) == 1, "the burst is told once, as its result: %s" % late)


def refuse_to_quit(orca, game, language):
    say = words(language)
    deal_and_read(orca, say)
    question = " | ".join(orca.hear("alt+F4", re.escape(say("&Yes")) + " push button", "the Quit? question"))
    check(all(say(text) in question for text in ("Quit?", "Are you sure you want to quit?")),
          "the Quit? question is read in %s: %s" % (language, question))
    orca.hear("Tab", re.escape(say("&No")) + " push button", "the No button")
    orca.hear("Return", re.escape(say("Number of Moves")), "the counter again")
    check(game.poll() is None, "No keeps the game running in %s" % language)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: screen_reader_play.py PROGRAM")
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    orca = game = None
    # Orca will not start while another of the same user runs anywhere on the
    # machine: runs of this test from other checkouts take turns.
    with open(os.path.join(tempfile.gettempdir(), "vennaro-orca-%d.lock" % os.getuid()), "w") as turn, \
            tempfile.TemporaryDirectory() as home:
        fcntl.flock(turn, fcntl.LOCK_EX)
        try:
            # The pointer waits in a corner: no mouse event reaches the game.
            xdotool("mousemove", "0", "0")
            orca = Orca(home)
            game = start_game(orca, "en")
            try:
                play(orca)
            except OrcaHung as hang:
                print("\n*** %s: Orca and the game start again to play once more ***\n" % hang, flush=True)
                game.terminate()
                game.wait(timeout=10)
                orca = Orca(home)
                game = start_game(orca, "en")
                play(orca)
            for language in LANGUAGES:
                game.terminate()
                game.wait(timeout=10)
                game = start_game(orca, language)
                refuse_to_quit(orca, game, language)
        except (TimeoutError, RuntimeError) as error:
            check(False, str(error))
        finally:
            # Orca ends cleanly only while the game and the accessibility bus
            # are there: it would wait on a game that went first.
            for process in (orca, game, launcher):
                if process is not None:
                    process.stop() if process is orca else process.terminate()
                    process.wait(timeout=10)
    for key, heard, brailled in transcript:
        print("%-8s %s\n%8s %s" % (key, " | ".join(heard), "braille", " | ".join(brailled)), flush=True)
    print("%d failure(s)" % len(failures) if failures else "passed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
