#!/usr/bin/python3
"""Plays the real game the way a blind player would: an AT-SPI client reads
the window's accessible tree, then one move is made with the keyboard alone,
and the client hears the boxes and the counter change. Then the game starts
again as a desktop set to German starts it, and the client reads its words.

Run inside an X display and a D-Bus session, with Debian's python3-pyatspi:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 screen_reader_play.py PROGRAM
"""

import os
import re
import subprocess
import sys
import time

try:
    import gi
except ImportError:
    sys.exit("PyGObject is missing: install the Debian package python3-pyatspi")

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

TIMEOUT = 20.0
PLACE = re.compile(r"Row (\d), column (\d)")
HOLE = "shows the hole piece"
# The window's words in English and as a desktop set to German gets them, and
# that desktop's Quit? question: its title and parts.
WORDS = {"en": [("label", "Vennaro"), ("combo box", "Picture"), ("push button", "Start"), ("push button", "Solve"),
                ("push button", "Exit")],
         "de": [("label", "Vennaro"), ("combo box", "Bild"), ("push button", "Start"), ("push button", "Lösen"),
                ("push button", "Beenden"), ("label", "Anzahl der Züge")]}
GERMAN_QUESTION = [("alert", "Beenden?"), ("label", "Möchten Sie das Spiel wirklich beenden?"),
                   ("push button", "Ja"), ("push button", "Nein")]
ARROWS = {(0, 1): "Right", (0, -1): "Left", (1, 0): "Down", (-1, 0): "Up"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, flush=True)
    return condition


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, condition, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError("waited %.0f s for %s" % (timeout, what))
        time.sleep(0.05)


def bus_name_owned(name):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "NameHasOwner", GLib.Variant("(s)", (name,)), None,
                          Gio.DBusCallFlags.NONE, -1, None)
    return reply.unpack()[0]


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True, text=True).stdout


def press(key):
    xdotool("key", key)


class Screen:
    """What the client reads from the game's accessible objects."""

    def __init__(self, pyatspi, application):
        self.pyatspi = pyatspi
        self.application = application

    def objects(self):
        found = []

        def walk(accessible):
            found.append(accessible)
            for child in accessible:
                if child is not None:
                    walk(child)

        walk(self.application)
        return found

    def has(self, accessible, state):
        return accessible.getState().contains(state)

    def text(self, accessible):
        try:
            return accessible.queryText().getText(0, -1)
        except NotImplementedError:
            return None

    def one(self, role, name):
        matches = [a for a in self.objects() if a.getRoleName() == role and a.name == name]
        check(len(matches) == 1, "one %s named %r, found %d" % (role, name, len(matches)))
        return matches[0] if matches else None

    def tiles(self):
        """The boxes by their place, (row, column) from 0 at the top left."""
        tiles = {}
        for accessible in self.objects():
            place = PLACE.fullmatch(accessible.name or "")
            if place and accessible.getRoleName() == "push button":
                tiles[(int(place.group(1)) - 1, int(place.group(2)) - 1)] = accessible
        return tiles

    def focused_tile(self):
        focused = [box for box, tile in self.tiles().items() if self.has(tile, self.pyatspi.STATE_FOCUSED)]
        return focused[0] if len(focused) == 1 else None

    def dump(self):
        def line(accessible, depth):
            states = sorted(self.pyatspi.stateToString(s) for s in accessible.getState().getStates())
            text = self.text(accessible)
            print("%s[%s] %r%s%s %s" % ("  " * depth, accessible.getRoleName(), accessible.name,
                                        " description=%r" % accessible.description if accessible.description else "",
                                        " text=%r" % text if text is not None else "", " ".join(states)))
            for child in accessible:
                line(child, depth + 1)

        line(self.application, 0)


def action_names(accessible):
    action = accessible.queryAction()
    return [action.getName(i) for i in range(action.nActions)]


def square_grid(places):
    """Whether the places fill a square grid, each once."""
    side = 1 + max((row for row, _ in places), default=-1)
    return side > 1 and sorted(places) == [(row, column) for row in range(side) for column in range(side)]


def check_controls(screen, pyatspi):
    window = screen.one("frame", "Vennaro")
    check(window is not None and window.parent == screen.application, "the window is the application's")
    for role, name in WORDS["en"]:
        screen.one(role, name)
    label = screen.one("label", "Number of Moves")
    counter = screen.one("text", "Number of Moves")
    if counter is not None:
        check(screen.has(counter, pyatspi.STATE_READ_ONLY), "the counter is read-only")
        check(not screen.has(counter, pyatspi.STATE_EDITABLE), "the counter is not editable")
        check(screen.text(counter) == "0", "the counter reads 0, not %r" % screen.text(counter))
        labelled_by = [r.getTarget(0) for r in counter.getRelationSet()
                       if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        check(labelled_by == [label], "the counter is labelled by 'Number of Moves'")
    check(all(screen.text(a) != "Text2" for a in screen.objects()), "the hidden text box is left out")
    tiles = screen.tiles()
    check(square_grid(tiles), "one box per place of a square grid: %s" % sorted(tiles))
    for box, tile in tiles.items():
        check(tile.description == "empty", "box %s is empty before a picture: %r" % (box, tile.description))
        check(not screen.has(tile, pyatspi.STATE_SENSITIVE), "box %s is disabled before the first deal" % (box,))
        check("Press" not in action_names(tile), "box %s offers no Press while disabled" % (box,))
    return counter


def path(start, goal):
    """The arrow keys that take the focus from the box at place start to the
    box at place goal, each with the place it reaches."""
    keys, place = [], list(start)
    for axis in (0, 1):
        while place[axis] != goal[axis]:
            step = 1 if goal[axis] > place[axis] else -1
            place[axis] += step
            keys.append((ARROWS[(step, 0) if axis == 0 else (0, step)], tuple(place)))
    return keys


def neighbours(place, places):
    row, column = place
    return [p for p in ((row - 1, column), (row + 1, column), (row, column - 1), (row, column + 1)) if p in places]


def play_one_move(screen, pyatspi, counter, heard):
    focus_window(screen, pyatspi)
    combo = screen.one("combo box", "Picture")
    wait_for("the list to have the first focus", lambda: screen.has(combo, pyatspi.STATE_FOCUSED))

    press("Down")
    tiles = screen.tiles()
    wait_for("the first picture to be shown", lambda: tiles[(0, 0)].description.endswith("of Mountain Lake"))
    press("alt+s")
    wait_for("the deal", lambda: all(screen.has(t, pyatspi.STATE_SENSITIVE) for t in tiles.values()))
    press("shift+Tab")
    wait_for("a box to have the focus", lambda: screen.focused_tile() is not None)
    focused = screen.focused_tile()
    check("Press" in action_names(tiles[focused]), "a dealt box offers Press")

    before = {box: tile.description for box, tile in tiles.items()}
    holes = [box for box, description in before.items() if description == HOLE]
    if not check(len(holes) == 1, "one box shows the hole piece: %s" % holes):
        return
    hole = holes[0]
    # At least one arrow on the way, even when the focus starts beside the hole.
    goal = min((box for box in neighbours(hole, tiles) if box != focused), key=lambda box: len(path(focused, box)))
    for key, box in path(focused, goal):
        heard.clear()
        press(key)
        wait_for("the focus to go to box %s" % (box,), lambda: screen.focused_tile() == box)
        wait_for("the focus on box %s to be announced" % (box,),
                 lambda: ("object:state-changed:focused", tiles[box].name) in heard)

    heard.clear()
    press("space")
    wait_for("the counter to read 1", lambda: screen.text(counter) == "1")
    wait_for("box %s to show the hole piece" % (goal,), lambda: tiles[goal].description == HOLE)
    check(tiles[hole].description == before[goal],
          "the old hole shows the moved piece: %r, not %r" % (before[goal], tiles[hole].description))
    check(screen.focused_tile() == goal, "the focus stays on the pressed box")
    wait_for("the change of both boxes to be announced",
             lambda: {("object:property-change:accessible-description", tiles[b].name) for b in (hole, goal)} <= set(heard))
    wait_for("the counter's change to be announced",
             lambda: any(event == ("object:text-changed:insert", "Number of Moves") for event in heard))
    print("moved box %s into the hole at box %s: %r" % (goal, hole, before[goal]), flush=True)


def focus_window(screen, pyatspi):
    window_id = wait_for("the game's window",
                         lambda: xdotool("search", "--onlyvisible", "--pid", str(screen.application.get_process_id())).split())[0]
    window = screen.one("frame", "Vennaro")
    # Focus without a click: no mouse event reaches the game until the move is made.
    xdotool("windowfocus", window_id)
    wait_for("the window to be active", lambda: screen.has(window, pyatspi.STATE_ACTIVE))


def check_in_german(screen, pyatspi):
    for role, name in WORDS["de"]:
        screen.one(role, name)
    check(any(screen.text(a) == "Bild auswählen" for a in screen.objects()), "the list asks for a picture in German")
    focus_window(screen, pyatspi)
    press("alt+b")
    wait_for("the Quit? question", lambda: any(a is not None and a.getRoleName() == "alert" for a in screen.application))
    for role, name in GERMAN_QUESTION:
        screen.one(role, name)


def start_game(program, pyatspi, language):
    """The game as a desktop set to the language starts it, once its controls are on the bus."""
    # The pointer waits in a corner, away from where the window will open.
    xdotool("mousemove", "0", "0")
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANGUAGE=language)
    game = subprocess.Popen([program], env=environment)
    application = wait_for("the game on the accessibility bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Vennaro" and a.childCount
         and a.get_process_id() == game.pid), None))
    screen = Screen(pyatspi, application)
    # The title is the last control the window makes.
    wait_for("the title", lambda: any(a.getRoleName() == "label" and a.name == "Vennaro" for a in screen.objects()))
    return game, screen


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: screen_reader_play.py PROGRAM")
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    game = None
    try:
        wait_for("the accessibility bus", lambda: bus_name_owned("org.a11y.Bus"))
        import pyatspi  # only once the bus is there, or it would start one of its own

        heard = []

        def listen(event):
            heard.append((event.type, event.source.name if event.source else None))

        pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-description",
                                               "object:text-changed", "object:state-changed:focused")
        game, screen = start_game(sys.argv[1], pyatspi, "en")
        wait_for("the boxes of the grid", lambda: square_grid(screen.tiles()))
        screen.dump()
        counter = check_controls(screen, pyatspi)
        if counter is not None:
            play_one_move(screen, pyatspi, counter, heard)
        game.terminate()
        game.wait(timeout=10)
        game, screen = start_game(sys.argv[1], pyatspi, "de")
        check_in_german(screen, pyatspi)
    except TimeoutError as error:
        check(False, str(error))
    finally:
        for process in (game, launcher):
            if process is not None:
                process.terminate()
                process.wait(timeout=10)
    print("%d failure(s)" % len(failures) if failures else "passed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
