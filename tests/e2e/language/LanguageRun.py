#!/usr/bin/python3
"""Starts the real game in a desktop's language and reads what it shows.

With LANGUAGE=de (and a German LANG) the menu bar, a message box and the
help's contents speak German: the words expected are read from the
shipped German catalogue and help file, so the test follows their
translators. With LANG=C the written English shows, even with LANGUAGE=de
set, as the C locale outweighs LANGUAGE. The game runs under a private X
server with a window manager and is read through the accessibility bus.

Run inside `dbus-run-session`:  LanguageRun.py BIN_DIR SOURCE_DIR
Exits 0 when both runs read right, 1 with a message otherwise.
"""

import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "screenreader"))
from ScreenReaderPlay import Failure, Machine, Reader, expect, run, wait_for  # noqa: E402

ROW_NOT_FULL = "You must completely fill the row before trying to check it!"


def catalogue(source_dir, language):
    """source -> translation of the shipped catalogue of language."""
    root = ET.parse(os.path.join(source_dir, "translations", "peglore_%s.ts" % language)).getroot()
    return {m.findtext("source"): m.findtext("translation") for m in root.iter("message")}


def first_topic_title(help_file):
    with open(help_file, encoding="utf-8") as text:
        return re.search(r"^\[topic 10\]\ntitle=(.*)$", text.read(), re.M).group(1)


def without_marks(text):
    return text.replace("&&", "\x01").replace("&", "").replace("\x01", "&")


def start_game(machine, bin_dir, environment):
    game = os.path.join(machine.folder, "game")
    os.makedirs(game)
    for name in os.listdir(bin_dir):
        if name == "peglore" or name == "Peglore.mid" or re.fullmatch(r"Peglore(\.\w+)?\.hlp", name):
            shutil.copy2(os.path.join(bin_dir, name), game)
    with open(os.path.join(game, "Peglore.ini"), "w") as settings:
        settings.write("[Options]\nMusic=0\nAutoCheck=0\n[Level Settings]\nDifficultyLevel=0\n")
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_") and k not in ("LANG", "LANGUAGE")}
    env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", HOME=game, XDG_RUNTIME_DIR=game,
               SDL_AUDIODRIVER="dummy", **environment)
    machine.game = machine.start([os.path.join(game, "peglore")], env=env, cwd="/")
    return game


def read_game(machine, reader, bin_dir, environment, menu, message, contents, topic):
    """Starts the game with environment and reads its menu bar, the box of
    a row checked unfilled, and the first topic of the help's contents,
    opened by its menu item; then ends the game."""
    game = start_game(machine, bin_dir, environment)
    try:
        app = wait_for(reader.application, "the game on the accessibility bus", pump=reader.pump)

        bar = wait_for(lambda: reader.find(app, lambda a: reader.role(a) == "menu bar"), "the menu bar",
                       pump=reader.pump)
        titles = [reader.name_of(item) for item in reader.children(bar)]
        expect(menu in titles, "menu bar reads %r, not %r" % (titles, menu))

        window = wait_for(lambda: run("xdotool", "search", "--onlyvisible", "--name", "^Peglore$").stdout.split(),
                          "the game's window")[0]
        run("xdotool", "windowactivate", "--sync", window)
        run("xdotool", "key", "Return")
        box = wait_for(lambda: reader.find(app, lambda a: reader.name_of(a) == message), "the box %r" % message,
                       pump=reader.pump)
        expect(box is not None, "no box")
        run("xdotool", "key", "Return")

        item = wait_for(lambda: reader.find(app, lambda a: reader.role(a) == "menu item" and
                                            reader.name_of(a) == contents), "the menu item %r" % contents,
                        pump=reader.pump)
        item.queryAction().doAction(0)
        wait_for(lambda: reader.find(app, lambda a: reader.name_of(a) == topic), "the help topic %r" % topic,
                 pump=reader.pump)
        print("read %r, %r and %r with %r" % (menu, message, topic, environment))
    finally:
        machine.game.terminate()
        machine.game.wait(10)
        shutil.rmtree(game, ignore_errors=True)
        wait_for(lambda: reader.application() is None, "the game gone from the accessibility bus", pump=reader.pump)


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    bin_dir, source_dir = sys.argv[1:]
    german = catalogue(source_dir, "de")
    machine = Machine()
    try:
        machine.start_desktop()
        reader = Reader()
        read_game(machine, reader, bin_dir, {"LANGUAGE": "de", "LANG": "de_DE.UTF-8"}, without_marks(german["&Game"]),
                  german[ROW_NOT_FULL], without_marks(german["Help &Topics"]),
                  first_topic_title(os.path.join(bin_dir, "Peglore.de.hlp")))
        read_game(machine, reader, bin_dir, {"LANGUAGE": "de", "LANG": "C"}, "Game", ROW_NOT_FULL, "Help Topics",
                  first_topic_title(os.path.join(bin_dir, "Peglore.hlp")))
    except Failure as failure:
        print("FAIL: %s" % failure, file=sys.stderr)
        return 1
    finally:
        machine.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
