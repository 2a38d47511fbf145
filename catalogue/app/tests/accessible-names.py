"""What a screen reader says of the windows, read through AT-SPI: every control
that takes the focus has a Spanish name; each box is named by the caption
beside it; the navigation buttons by their moves, their descriptions naming
their keys; the summary's figures are read with their captions; the sweeping
line says nothing; the about window's addresses are links named after what
they open. Usage (through atspi-session.sh): accessible-names.py PROGRAM"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_window import MAIN_TITLE, Program, has_state, pump, related, walk, write_catalogue  # noqa: E402
import pyatspi  # noqa: E402

SPANISH = re.compile(r"[A-Za-z0-9ÁÉÍÓÚÜÑáéíóúüñ ¿?¡!.,:;'()/@+-]*[A-Za-zÁÉÍÓÚÜÑáéíóúüñ]{3}[^◀▶|<>]*")
# Caption beside each box: the box's name.
BOX_NAMES = {"Número Película": "Número Película", "Título Película": "Título Película",
             "Duración Película": "Duración Película", "Screener DvD-Rip": "Tipo De Película",
             "Director": "Director", "Número De Cd's": "Número De Cd's", "Codec": "Codec"}
MOVES = [("Primera película", "Control+Re Pág"), ("Película anterior", "Re Pág"),
         ("Película siguiente", "Av Pág"), ("Última película", "Control+Av Pág")]


def of_role(window, role):
    return [n for n in walk(window) if n.getRole() == role]


def named_controls(window, count):
    controls = [n for n in walk(window) if has_state(n, pyatspi.STATE_FOCUSABLE)]
    assert len(controls) == count, f"{len(controls)} controls take the focus, not {count}"
    for control in controls:
        assert SPANISH.fullmatch(control.name), f"a {control.getRoleName()} is named {control.name!r}"
    return controls


def check_main_window(window):
    boxes = [n for n in named_controls(window, 13) if n.getRole() == pyatspi.ROLE_TEXT]
    captions = [related(box, pyatspi.RELATION_LABELLED_BY) for box in boxes]
    named = {c[0].name: box.name for box, c in zip(boxes, captions) if len(c) == 1}
    assert len(boxes) == 7 and named == BOX_NAMES, f"boxes by their captions: {named}"

    bars = of_role(window, pyatspi.ROLE_TOOL_BAR)
    assert [b.name for b in bars] == ["Tu Colección De Pelis"], f"bars: {[b.name for b in bars]}"
    read = [(b.name, b.description) for b in of_role(bars[0], pyatspi.ROLE_PUSH_BUTTON)]
    assert read == [(name, f"{name} ({key})") for name, key in MOVES], f"navigation buttons: {read}"

    # Two films of 01:00:00 and 00:00:01, the last numbered 9.
    labels = {n.name: n for n in of_role(window, pyatspi.ROLE_LABEL)}
    for caption, value, beside in [("Duración Media Por Película", "0:30:0", True),
                                   ("Duración Total De Películas", "1:0:1", True),
                                   ("Número De Películas Totales", "2P.", False),
                                   ("Último Número De Película Añadida", "9", True)]:
        figure = labels.get(f"{caption}: {value}")
        assert figure, f"no figure reads '{caption}: {value}' among {list(labels)}"
        assert not beside or [c.name for c in related(figure, pyatspi.RELATION_LABELLED_BY)] == [caption]
    days = re.compile("Días De Visionado Seguidos Para Ver Todas Tus Películas: [.,]04")
    assert any(days.fullmatch(name) for name in labels), f"no days of viewing among {list(labels)}"
    assert MAIN_TITLE in labels, "the program's title is not read"
    assert [n.name for n in of_role(window, pyatspi.ROLE_IMAGE)] == ["^Brisvel^ Logo"]


def check_silent_while_idle():
    """The sweeping line moves a hundred times a second; a screen reader must hear none of it."""
    heard = []
    events = ("object:", "window:", "focus:")
    pyatspi.Registry.registerEventListener(heard.append, *events)
    pump(1)
    pyatspi.Registry.deregisterEventListener(heard.append, *events)
    assert not heard, f"events while the window waits: {[e.type for e in heard[:10]]}"


def check_about_window(program):
    item = [n for n in of_role(program.app, pyatspi.ROLE_MENU_ITEM) if n.name == "Acerca De..."]
    item[0].queryAction().doAction(0)
    about = program.frame("Acerca De " + MAIN_TITLE)
    assert about.getRole() == pyatspi.ROLE_FRAME, f"the about window is a {about.getRoleName()}"
    links = named_controls(about, 3)
    names = [n.name for n in links if n.getRole() == pyatspi.ROLE_LINK]
    assert len(names) == 3 and all(re.fullmatch(r"https?://\S+", n) for n in names[:2]), f"links: {names}"
    assert re.fullmatch(r"Email: [^@ ]+@[^@ ]+", names[2]), f"mail link: {names[2]!r}"
    assert [n.name for n in of_role(about, pyatspi.ROLE_IMAGE)] == ["^Brisvel^ Logo"]


write_catalogue([(4, "Alien", "01:00:00"), (9, "Brazil", "00:00:01")])
with Program(sys.argv[1]) as program:
    check_main_window(program.window)
    check_silent_while_idle()
    check_about_window(program)
    program.finish()
print("accessible names: 13 controls of the main window and 3 links of the about window named in Spanish")
