"""The program's window as a screen reader reads it, through AT-SPI only. Used
by the tests that atspi-session.sh runs: catalogue and program live in the
current folder; a failed check raises AssertionError, which ends the test."""

import sqlite3
import subprocess
import time

import pyatspi
from gi.repository import GLib

MAIN_TITLE = "^Brisvel^ Catálogo Divx"


def write_catalogue(films):
    """Peliculas.mdb with the films given as (number, title, running time)."""
    db = sqlite3.connect("Peliculas.mdb")
    db.execute('CREATE TABLE Pelis (idzefo INTEGER, titulo TEXT, "duración" TEXT, tipopeli TEXT,'
               " director TEXT, totalcds INTEGER, codec TEXT)")
    db.executemany("INSERT INTO Pelis VALUES (?, ?, ?, 'DvD-Rip', 'Director', 1, 'XviD')", films)
    db.commit()
    db.close()


def pump(seconds):
    """Lets AT-SPI deliver its events for a while."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.01)


def wait_for(what, find):
    # Up to 30 s: on a busy machine the program and the accessibility bus start slowly.
    for _ in range(300):
        found = find()
        if found:
            return found
        pump(0.1)
    raise AssertionError(f"{what} did not appear")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def has_state(node, state):
    return node.getState().contains(state)


def related(node, relation):
    return [r.getTarget(i) for r in node.getRelationSet() if r.getRelationType() == relation
            for i in range(r.getNTargets())]


def text_of(node):
    return node.queryText().getText(0, -1)


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        pump(0.3)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
    pump(0.3)


class Program:
    """The program started in the current folder, as AT-SPI lists it."""

    def __init__(self, path):
        self.process = subprocess.Popen([path], stdout=open("app.log", "w"), stderr=subprocess.STDOUT)
        desktop = pyatspi.Registry.getDesktop(0)
        self.app = wait_for("the program on the accessibility bus",
                            lambda: next((a for a in desktop if a and a.get_process_id() == self.process.pid), None))
        self.window = self.frame(MAIN_TITLE)
        self.x_window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "Brisvel"],
                                       capture_output=True, text=True, timeout=20).stdout.split()[0]
        self.focus_window()

    def focus_window(self):
        # Without a window manager nobody gives a window the focus.
        subprocess.run(["xdotool", "windowfocus", "--sync", self.x_window], check=True)
        pump(0.5)

    def frame(self, title):
        return wait_for(f"the window '{title}'", lambda: next(
            (f for f in self.app if f and f.name == title and has_state(f, pyatspi.STATE_SHOWING)), None))

    def focused(self):
        found = [n for n in walk(self.window) if has_state(n, pyatspi.STATE_FOCUSED)]
        assert len(found) == 1, f"{len(found)} controls have the focus"
        return found[0].name

    def finish(self):
        """Salir from the keyboard: the program must end by itself, normally."""
        self.focus_window()
        keys("ctrl+F1")
        assert self.process.wait(timeout=10) == 0, "the program did not end normally"

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        if self.process.poll() is None:
            self.process.kill()
