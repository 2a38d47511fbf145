"""What a screen reader says of the windows, read through AT-SPI: every control
that takes the focus has a Spanish name; each box is named by the caption
beside it; the navigation bar and its buttons are named, the buttons'
descriptions naming their keys; the summary's figures are read with their
captions; the sweeping line says nothing; the about window's addresses are
links named after what they open.
Usage (through atspi-session.sh): accessible-names.py PROGRAM"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_window import (MAIN_TITLE, Program, check, focusable, pump, related, walk, write_catalogue)  # noqa: E402
import pyatspi  # noqa: E402

SPANISH = re.compile(r"^[A-Za-z0-9ÁÉÍÓÚÜÑáéíóúüñ ¿?¡!.,:;'()/@+-]*[A-Za-zÁÉÍÓÚÜÑáéíóúüñ]{3}[^◀▶|<>]*$")
# The caption beside each box, and the box's name.
BOX_NAMES = {
    "Número Película": "Número Película",
    "Título Película": "Título Película",
    "Duración Película": "Duración Película",
    "Screener DvD-Rip": "Tipo De Película",
    "Director": "Director",
    "Número De Cd's": "Número De Cd's",
    "Codec": "Codec",
}
MOVES = [("Primera película", "Control+Re Pág"), ("Película anterior", "Re Pág"),
         ("Película siguiente", "Av Pág"), ("Última película", "Control+Av Pág")]


def role(node):
    return node.getRole()


def check_names(window, expected_count):
    controls = [n for n in walk(window) if focusable(n)]
    check(len(controls) == expected_count, f"{len(controls)} controls take the focus, not {expected_count}")
    for control in controls:
        check(SPANISH.match(control.name), f"a {control.getRoleName()} is named {control.name!r}")
    return controls


def check_main_window(window):
    controls = check_names(window, 13)  # seven boxes and six buttons
    boxes = [n for n in controls if role(n) == pyatspi.ROLE_TEXT]
    check(len(boxes) == 7, f"{len(boxes)} boxes")
    names = {}
    for box in boxes:
        labels = related(box, pyatspi.RELATION_LABELLED_BY)
        check(len(labels) == 1, f"the box {box.name!r} is labelled by {[l.name for l in labels]}")
        names[labels[0].name] = box.name
    check(names == BOX_NAMES, f"boxes by their captions: {names}")

    bars = [n for n in walk(window) if role(n) == pyatspi.ROLE_TOOL_BAR]
    check([b.name for b in bars] == ["Tu Colección De Pelis"], f"navigation bars: {[b.name for b in bars]}")
    buttons = [n for n in walk(bars[0]) if role(n) == pyatspi.ROLE_PUSH_BUTTON]
    read = [(b.name, b.description) for b in buttons]
    check(read == [(name, f"{name} ({key})") for name, key in MOVES], f"navigation buttons: {read}")

    # Two films of 01:00:00 and 00:00:01, the last numbered 9.
    labels = {n.name: n for n in walk(window) if role(n) == pyatspi.ROLE_LABEL}
    for caption, value, beside in [("Duración Media Por Película", "0:30:0", True),
                                   ("Duración Total De Películas", "1:0:1", True),
                                   ("Número De Películas Totales", "2P.", False),
                                   ("Último Número De Película Añadida", "9", True)]:
        figure = labels.get(f"{caption}: {value}")
        check(figure, f"no figure reads '{caption}: {value}'; labels: {list(labels)}")
        if beside:
            check([l.name for l in related(figure, pyatspi.RELATION_LABELLED_BY)] == [caption],
                  f"'{figure.name}' is not labelled by its caption")
    days = "Días De Visionado Seguidos Para Ver Todas Tus Películas: "
    check(any(re.fullmatch(re.escape(days) + r"[.,]04", name) for name in labels), f"no days figure: {list(labels)}")
    check(MAIN_TITLE in labels, "the program's title is not read")
    images = [n.name for n in walk(window) if role(n) == pyatspi.ROLE_IMAGE]
    check(images == ["^Brisvel^ Logo"], f"images: {images}")


def check_silent_while_idle(program):
    """The sweeping line moves a hundred times a second; a screen reader must hear none of it."""
    heard = []
    listener = lambda event: heard.append(event.type)  # noqa: E731
    pyatspi.Registry.registerEventListener(listener, "object:", "window:", "focus:")
    pump(1)
    pyatspi.Registry.deregisterEventListener(listener, "object:", "window:", "focus:")
    check(not heard, f"events while the window waits: {heard[:10]}")


def check_about_window(program):
    about_item = [n for n in walk(program.app) if role(n) == pyatspi.ROLE_MENU_ITEM and n.name == "Acerca De..."]
    check(len(about_item) == 1, "no menu item 'Acerca De...'")
    about_item[0].queryAction().doAction(0)
    about = program.frame("Acerca De " + MAIN_TITLE)
    links = check_names(about, 3)
    check(all(role(n) == pyatspi.ROLE_LINK for n in links), f"not links: {[n.getRoleName() for n in links]}")
    names = [n.name for n in links]
    check(all(name.startswith(("https://", "http://")) for name in names[:2]), f"web links: {names[:2]}")
    check(re.fullmatch(r"Email: [^@ ]+@[^@ ]+", names[2]), f"mail link: {names[2]!r}")
    images = [n.name for n in walk(about) if role(n) == pyatspi.ROLE_IMAGE]
    check(images == ["^Brisvel^ Logo"], f"images of the about window: {images}")


write_catalogue([(4, "Alien", "01:00:00"), (9, "Brazil", "00:00:01")])
program = Program(sys.argv[1])
try:
    check_main_window(program.window)
    check_silent_while_idle(program)
    check_about_window(program)
    program.finish()
finally:
    program.kill()
print("accessible names: 13 controls of the main window and 3 links of the about window named in Spanish")
