#!/usr/bin/python3
"""Plays the real game by keyboard alone under Orca, the screen reader Debian
ships, and listens to what Orca says: the SPEECH OUTPUT lines of its debug
log. The route: choose a picture, deal, Tab through the buttons and the
counter into the board, arrows to a box beside the hole, a move, a refused
move. Then the game as a desktop set to German starts it: its window's words
and its Quit? question, answered No. Prints the routes as Orca spoke them.

Run under a window manager, which gives the window its focus back when a
message box closes, in a D-Bus session with a private XDG_RUNTIME_DIR:
    scripts/run-on-virtual-desktop.sh 170 --window-manager /usr/bin/python3 screen_reader_play.py PROGRAM
"""

import fcntl
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time

TIMEOUT = 20.0
# What a key brings is over once Orca has been silent this long.
QUIET = 0.8
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*[{[]")
PLACE = re.compile(r"row (\d), column (\d)", re.IGNORECASE)
BOX = re.compile(r"(Piece \d+|Hole) push button")
ARROWS = {(0, 1): "Right", (0, -1): "Left", (1, 0): "Down", (-1, 0): "Up"}
MOST_WORDS_FOR_A_BOX = 9
# The window's words in each language: the list, its first picture, the
# buttons in the tab order from the list, the counter's name.
WORDS = {"en": ("Picture", "Mountain Lake", ("Exit", "Solve", "Start"), "Number of Moves"),
         "de": ("Bild", "Bergsee", ("Beenden", "Lösen", "Start"), "Anzahl der Züge")}
GERMAN_QUESTION = ("Beenden?", "Möchten Sie das Spiel wirklich beenden?", "Ja push button")

# espeak-ng plays through ALSA into a file over null: no sound card and no
# sound server, without which speech-dispatcher fails and Orca waits forever.
SPEECHD_CONF = 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\nAudioOutputMethod "alsa"\n'
ASOUNDRC = 'pcm.!default { type file slave.pcm "null" file "/dev/null" format "raw" }\n'
LINE_BUFFERED_LOG = "import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n"

failures = []
transcript = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, flush=True)
    return condition


def wait_for(what, condition, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError("waited %.0f s for %s" % (timeout, what))
        time.sleep(0.05)


def xdotool(*arguments, check=True):
    return subprocess.run(["xdotool", *arguments], check=check, stdout=subprocess.PIPE, text=True).stdout


class Orca:
    """Orca and its speech server, started in a home of their own."""

    def __init__(self, home):
        # Orca will not start while another of the same user runs anywhere on
        # the machine: runs of this test from other checkouts take turns.
        self.turn = open(os.path.join(tempfile.gettempdir(), "vennaro-orca-%d.lock" % os.getuid()), "w")
        fcntl.flock(self.turn, fcntl.LOCK_EX)
        self.log_path = os.path.join(home, "orca-debug.log")
        preferences = os.path.join(home, "orca")
        speechd = os.path.join(home, "speechd")
        for folder in (preferences, speechd):
            os.makedirs(folder)
        pathlib.Path(speechd, "speechd.conf").write_text(SPEECHD_CONF)
        pathlib.Path(home, ".asoundrc").write_text(ASOUNDRC)
        pathlib.Path(preferences, "orca-customizations.py").write_text(LINE_BUFFERED_LOG)
        self.environment = dict(os.environ, HOME=home, GSETTINGS_BACKEND="memory")
        socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        os.makedirs(os.path.dirname(socket), exist_ok=True)
        self.speechd = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-c", "unix_socket", "-S", socket,
                                         "-C", speechd], env=self.environment,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the speech server", lambda: os.path.exists(socket))
        self.orca = subprocess.Popen(["orca", "-u", preferences, "--debug-file", self.log_path],
                                     env=self.environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.read = 0
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

    def said(self):
        """What Orca said since the last call, one utterance an entry."""
        with open(self.log_path, errors="replace") as log:
            log.seek(self.read)
            text = log.read()
        complete = text[:text.rfind("\n") + 1]
        self.read += len(complete.encode())
        return [m.group(1) for m in map(SPEECH.search, complete.splitlines()) if m]

    def hear(self, key, expected, what, *command):
        """Presses the key (or runs the xdotool command) and returns what Orca
        says, once it said something matching expected and then fell silent."""
        self.said()
        xdotool(*(command or ("key", key)))
        heard = []
        try:
            wait_for(what, lambda: heard.extend(self.said()) or any(re.search(expected, u) for u in heard))
            last = None
            while len(heard) != last:
                last = len(heard)
                time.sleep(QUIET)
                heard.extend(self.said())
        except TimeoutError as error:
            check(False, "%s after %s: %s" % (error, key, heard))
        transcript.append((key, heard))
        return heard

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
    return [(r, c) for r, c in ((row - 1, column), (row + 1, column), (row, column - 1), (row, column + 1))
            if 0 <= r < 4 and 0 <= c < 4]


def place_in(utterances):
    found = [PLACE.search(u) for u in utterances if PLACE.search(u)]
    return (int(found[-1].group(1)) - 1, int(found[-1].group(2)) - 1) if found else None


def notifications(heard):
    return [u[len("notification "):] for u in heard if u.startswith("notification ")]


def check_box_speech(heard, place):
    """A box is read piece first, in few words, with its place."""
    spoken = [u for u in heard if BOX.search(u) or PLACE.search(u)]
    words = sum(len(u.split()) for u in spoken)
    check(spoken and BOX.match(spoken[0]), "the box at %s is read piece first: %s" % (place, heard))
    check(words <= MOST_WORDS_FOR_A_BOX, "the box at %s is read in %d words: %s" % (place, words, spoken))
    check(place_in(heard) == place, "the box read is the one at %s: %s" % (place, heard))


def start_game(orca, language):
    """The game as a desktop set to the language starts it, once Orca read its
    window taking the focus (given without a click)."""
    game = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb", LANGUAGE=language))
    window = wait_for("the game's window", lambda: xdotool("search", "--onlyvisible", "--pid", str(game.pid), check=False).split())[0]
    orca.hear("focus", WORDS[language][0] + " combo box", "Orca to read the window", "windowfocus", window)
    return game


def deal_and_read(orca, language):
    """Chooses the first picture, deals, and Tabs from the list through the
    buttons to the counter; returns what the deal announced."""
    _, picture, buttons, counter_name = WORDS[language]
    shown = notifications(orca.hear("Down", picture, "the first picture"))
    check(any(picture in n for n in shown), "the choice is announced: %s" % shown)
    dealt = notifications(orca.hear("alt+s", "notification", "the deal"))
    for caption in buttons:
        orca.hear("Tab", caption + " push button", "the %s button" % caption)
    counter = orca.hear("Tab", counter_name, "the counter")
    check(re.search(counter_name + r"\D*\b0\b", " ".join(counter)), "the counter reads its name and 0: %s" % counter)
    check(not any("selected" in u for u in counter), "the counter is read without its selection: %s" % counter)
    return dealt


def play(orca):
    dealt = deal_and_read(orca, "en")
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
    refused = orca.hear("space", "Cannot move !!!", "the refused move")
    check(not notifications(refused), "a refused move announces nothing but its message: %s" % refused)
    back = orca.hear("Return", BOX, "the box again")
    check(any(u.startswith("Hole push button") for u in back), "the pressed box is the hole now: %s" % back)


def refuse_to_quit_in_german(orca, game):
    deal_and_read(orca, "de")
    question = " | ".join(orca.hear("alt+b", "Ja push button", "the Quit? question"))
    check(all(words in question for words in GERMAN_QUESTION), "the Quit? question is read in German: %s" % question)
    orca.hear("Tab", "Nein push button", "the No button")
    orca.hear("Return", "Anzahl der Züge", "the counter again")
    check(game.poll() is None, "Nein keeps the game running")


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: screen_reader_play.py PROGRAM")
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    orca = game = None
    with tempfile.TemporaryDirectory() as home:
        try:
            orca = Orca(home)
            # The pointer waits in a corner: no mouse event reaches the game.
            xdotool("mousemove", "0", "0")
            game = start_game(orca, "en")
            play(orca)
            game.terminate()
            game.wait(timeout=10)
            game = start_game(orca, "de")
            refuse_to_quit_in_german(orca, game)
        except (TimeoutError, RuntimeError) as error:
            check(False, str(error))
        finally:
            # Orca ends cleanly only while the game and the accessibility bus
            # are there: it would wait on a game that went first.
            for process in (orca, game, launcher):
                if process is not None:
                    process.stop() if process is orca else process.terminate()
                    process.wait(timeout=10)
    for key, heard in transcript:
        print("%-8s %s" % (key, " | ".join(heard)), flush=True)
    print("%d failure(s)" % len(failures) if failures else "passed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
