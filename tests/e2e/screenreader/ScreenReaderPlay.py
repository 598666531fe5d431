#!/usr/bin/python3
"""Plays a Beginner game to a win the way a blind player does.

The real game runs under a private X server with a window manager, on a
private session bus with its own accessibility bus, and is read with the
AT-SPI client library that screen readers use. Only the keyboard plays;
every answer is read from the accessibility tree, and the next guess is
chosen from the answers alone. The secret is never looked at.

Run inside `dbus-run-session`:  ScreenReaderPlay.py BIN_DIR
Exits 0 on a win, 1 with a message on anything else: nothing is skipped.
"""

import itertools
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HOLES = 3
ROWS = 10
KEYS = range(1, 9)  # the colour bar's keys, left to right
FIRST_GUESS = (1, 1, 2)
TIMEOUT = 20.0


class Failure(Exception):
    pass


# ---- The strategy: always the first code that fits every answer so far.

def score(guess, secret):
    blacks = sum(g == s for g, s in zip(guess, secret))
    common = sum(min(guess.count(k), secret.count(k)) for k in set(guess))
    return blacks, common - blacks


CODES = list(itertools.product(KEYS, repeat=HOLES))


def next_guess(candidates):
    """The guess after the answers that left candidates (all codes at first)."""
    if len(candidates) == len(CODES):
        return FIRST_GUESS
    if not candidates:
        raise Failure("no code fits the answers read")
    return candidates[0]


def narrow(candidates, guess, answer):
    return [code for code in candidates if score(guess, code) == answer]


def worst_case_rows():
    """Rows the strategy needs against the worst secret, by brute force."""
    worst = 0
    for secret in CODES:
        candidates, rows = CODES, 1
        while (guess := next_guess(candidates)) != secret:
            candidates = narrow(candidates, guess, score(guess, secret))
            rows += 1
        worst = max(worst, rows)
    return worst


# ---- The machine around the game.

def wait_for(condition, what, timeout=TIMEOUT, pump=None):
    deadline = time.monotonic() + timeout
    while True:
        if pump:
            pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def run(*command, env=None):
    return subprocess.run(command, capture_output=True, text=True, env=env, timeout=30)


class Machine:
    def __init__(self):
        self.processes = []
        self.folder = tempfile.mkdtemp(prefix="peglore-a11y-")

    def start(self, command, env=None, **kwargs):
        process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def start_x(self):
        read_end, write_end = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write_end)
        with os.fdopen(read_end) as named:
            display = named.readline().strip()
        if not display:
            raise Failure("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + display

    def start_window_manager(self):
        home = os.path.join(self.folder, "wm-home")
        os.makedirs(home)
        self.start(["openbox", "--sm-disable"], env=dict(os.environ, HOME=home))
        wait_for(lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout, "openbox")

    def start_accessibility_bus(self):
        if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
            raise Failure("no session bus: run this inside dbus-run-session")
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        # Asked without activating it, so that only the one started here runs.
        wait_for(lambda: "boolean true" in run("dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                                               "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                                               "string:org.a11y.Bus").stdout, "the accessibility bus")

    def start_game(self, bin_dir):
        game = os.path.join(self.folder, "game")
        os.makedirs(game)
        for name in ("peglore", "Peglore.mid", "Peglore.hlp"):
            shutil.copy2(os.path.join(bin_dir, name), game)
        with open(os.path.join(game, "Peglore.ini"), "w") as settings:
            settings.write("[Options]\nMusic=0\nAutoCheck=1\n[Level Settings]\nDifficultyLevel=0\n")
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", HOME=game,
                   XDG_RUNTIME_DIR=game, SDL_AUDIODRIVER="dummy")
        self.game = self.start([os.path.join(game, "peglore")], env=env, cwd="/")

    def start_desktop(self):
        """X, a window manager and the accessibility bus, as a player's desktop has them."""
        self.start_x()
        self.start_window_manager()
        self.start_accessibility_bus()

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)


# ---- Reading the game as a screen reader does.

class Reader:
    def __init__(self):
        # Imported here: the library joins the accessibility bus on import.
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.events = []
        self.listener = lambda event: self.events.append((event.type, event.source))
        pyatspi.Registry.registerEventListener(self.listener, "object:property-change:accessible-name", "focus:")

    def pump(self):
        while self.context.pending():
            self.context.iteration(False)

    @staticmethod
    def name_of(accessible):
        try:
            return accessible.name
        except Exception:  # gone meanwhile
            return ""

    def application(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "Peglore":
                return app
        return None

    def find(self, root, predicate):
        return self.pyatspi.findDescendant(root, predicate, breadth_first=True)

    def role(self, accessible):
        return accessible.getRoleName()

    def children(self, accessible):
        return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


def expect(condition, message):
    if not condition:
        raise Failure(message)


def play(bin_dir):
    rows = worst_case_rows()
    expect(rows <= ROWS, "the strategy needs %d rows against some secret" % rows)

    machine = Machine()
    try:
        machine.start_desktop()
        reader = Reader()
        machine.start_game(bin_dir)
        app = wait_for(reader.application, "the game on the accessibility bus", pump=reader.pump)

        def board(name):
            return reader.find(app, lambda a: a.name == name and reader.role(a) == "table")

        guess_board = wait_for(lambda: board("Guess board"), "the guess board", pump=reader.pump)
        score_board = wait_for(lambda: board("Score board"), "the score board", pump=reader.pump)
        guesses = guess_board.queryTable()
        answers = score_board.queryTable()
        expect((guesses.nRows, guesses.nColumns) == (ROWS, HOLES), "guess board %dx%d" % (guesses.nRows, guesses.nColumns))
        expect((answers.nRows, answers.nColumns) == (ROWS, 1), "score board %dx%d" % (answers.nRows, answers.nColumns))

        # The colour bar says which key places which colour.
        bar = reader.find(app, lambda a: a.name == "Colour bar")
        expect(bar is not None, "no colour bar")
        colours = {}
        for button in reader.children(bar):
            match = re.fullmatch(r"(\w+), key (\d)", button.name)
            expect(match and reader.role(button) == "push button", "colour bar button %r" % button.name)
            colours[int(match.group(2))] = match.group(1)
        expect(sorted(colours) == list(KEYS), "colour bar keys %r" % sorted(colours))

        window = wait_for(lambda: run("xdotool", "search", "--onlyvisible", "--name", "^Peglore$").stdout.split(),
                          "the game's window")[0]
        run("xdotool", "windowactivate", "--sync", window)

        history = []
        candidates = CODES
        for row in range(ROWS):
            guess = next_guess(candidates)
            reader.events.clear()
            for key in guess:
                run("xdotool", "key", str(key))
            not_checked = "Row %d: not checked" % (row + 1)
            cell = answers.getAccessibleAt(row, 0)
            wait_for(lambda: cell.name != not_checked, "row %d's answer" % (row + 1), pump=reader.pump)
            match = re.fullmatch(r"Row %d: (\d+) black, (\d+) white" % (row + 1), cell.name)
            expect(match, "answer reads %r" % cell.name)
            answer = (int(match.group(1)), int(match.group(2)))
            placed = [guesses.getAccessibleAt(row, hole).name for hole in range(HOLES)]
            expected = ["Row %d, hole %d: %s" % (row + 1, hole + 1, colours[key]) for hole, key in enumerate(guess)]
            expect(placed == expected, "row reads %r, typed %r" % (placed, expected))
            # Heard without asking: the answer, and the focus on the next hole.
            wait_for(lambda: ("object:property-change:accessible-name", cell) in reader.events,
                     "the answer announced", pump=reader.pump)
            second_hole = guesses.getAccessibleAt(row, 1)
            expect(("focus:", second_hole) in reader.events, "no focus on the second hole after the first peg")
            print("row %d: %s -> %d black, %d white" % (row + 1, [colours[k] for k in guess], *answer))
            history.append((guess, answer))
            candidates = narrow(candidates, guess, answer)
            if answer == (HOLES, 0):
                box = wait_for(lambda: reader.find(app, lambda a: a.name == "You won the game!"),
                               "the message that the game is won", pump=reader.pump)
                expect(box is not None, "no win message")
                run("xdotool", "key", "Return")
                first = answers.getAccessibleAt(0, 0)
                wait_for(lambda: first.name == "Row 1: not checked", "a new game", pump=reader.pump)
                expect(guesses.getAccessibleAt(0, 0).name == "Row 1, hole 1: empty", "the new game's board")
                return
        raise Failure("not won in %d rows: %r" % (ROWS, history))
    finally:
        machine.stop()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        play(sys.argv[1])
    except Failure as failure:
        print("FAIL: %s" % failure, file=sys.stderr)
        return 1
    print("won with the keyboard alone, reading only the accessibility tree")
    return 0


if __name__ == "__main__":
    sys.exit(main())
