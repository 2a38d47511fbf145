"""The program's window as a screen reader reads it, through AT-SPI only.

Used by the accessibility tests, which atspi-session.sh runs inside a private
D-Bus session with a real X server; the catalogue and the program live in the
current folder."""

import sqlite3
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

MAIN_TITLE = "^Brisvel^ Catálogo Divx"


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)


def write_catalogue(films):
    """Peliculas.mdb with the films given as (number, title, running time)."""
    with sqlite3.connect("Peliculas.mdb") as db:
        db.execute('CREATE TABLE Pelis (idzefo INTEGER, titulo TEXT, "duración" TEXT, tipopeli TEXT,'
                   " director TEXT, totalcds INTEGER, codec TEXT)")
        db.executemany("INSERT INTO Pelis VALUES (?, ?, ?, 'DvD-Rip', 'Director', 1, 'XviD')", films)
    db.close()


def pump(seconds):
    """Lets AT-SPI deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_for(what, find, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        pump(0.1)
    fail(f"{what} did not appear")


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def has_state(node, state):
    return node.getState().contains(state)


def focusable(node):
    return has_state(node, pyatspi.STATE_FOCUSABLE)


def related(node, relation):
    return [r.getTarget(i) for r in node.getRelationSet() if r.getRelationType() == relation
            for i in range(r.getNTargets())]


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        pump(0.3)


class Program:
    """The program started in the current folder, and its application as AT-SPI lists it."""

    def __init__(self, path):
        self.log = open("app.log", "w")
        self.process = subprocess.Popen([path], stdout=self.log, stderr=subprocess.STDOUT)
        self.app = wait_for("the program's application on the accessibility bus", self._application)
        self.window = self.frame(MAIN_TITLE)
        # Without a window manager nobody gives the window the focus.
        self.x_window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "Brisvel"],
                                       capture_output=True, text=True, timeout=20).stdout.split()[0]
        self.focus_window()

    def focus_window(self):
        subprocess.run(["xdotool", "windowfocus", "--sync", self.x_window], check=True)
        pump(0.5)

    def _application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def frame(self, title):
        def find():
            for i in range(self.app.childCount):
                frame = self.app.getChildAtIndex(i)
                if frame is not None and frame.name == title and has_state(frame, pyatspi.STATE_SHOWING):
                    return frame
            return None
        return wait_for(f"the window '{title}'", find)

    def focused(self):
        found = [n for n in walk(self.window) if has_state(n, pyatspi.STATE_FOCUSED)]
        check(len(found) == 1, f"{len(found)} controls have the focus")
        return found[0]

    def finish(self):
        """Salir from the keyboard; the program must end by itself, normally."""
        self.focus_window()
        keys("ctrl+F1")
        try:
            status = self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            fail("Ctrl+F1 did not end the program")
        check(status == 0, f"the program ended with status {status}")

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
