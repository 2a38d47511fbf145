"""The navigation bar's keys on the real keyboard, read back through AT-SPI: Av
Pág and Re Pág show the next and the previous film, with Control the last
and the first; the box with the focus keeps it and a screen reader hears its
new text; at the first film Re Pág does nothing, as its greyed button would;
while a film is being added the keys do nothing at all.
Usage (through atspi-session.sh): navigation-keys.py PROGRAM"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_window import Program, has_state, keys, text_of, type_text, walk, write_catalogue  # noqa: E402
import pyatspi  # noqa: E402

write_catalogue([(1, "Alien", "01:57:00"), (2, "Brazil", "02:22:00"), (3, "Casablanca", "01:42:00"),
                 (4, "Dune", "02:17:00")])
with Program(sys.argv[1]) as program:
    boxes = {n.name: n for n in walk(program.window) if n.getRole() == pyatspi.ROLE_TEXT}
    number, title = boxes["Número Película"], boxes["Título Película"]
    assert program.focused() == number.name, f"the window starts with the focus on {program.focused()!r}"
    keys("Tab")
    assert program.focused() == title.name, f"Tab went to {program.focused()!r}"

    heard = []
    listener = lambda event: event.source.name == title.name and heard.append(event.any_data)  # noqa: E731
    pyatspi.Registry.registerEventListener(listener, "object:text-changed:insert")
    for key, shown in [("Page_Down", "Brazil"), ("Page_Down", "Casablanca"), ("ctrl+Page_Down", "Dune"),
                       ("Page_Up", "Casablanca"), ("ctrl+Page_Up", "Alien"), ("Page_Up", None)]:
        heard.clear()
        keys(key)
        assert text_of(title) == (shown or "Alien"), f"{key} shows {text_of(title)!r}"
        assert program.focused() == title.name, f"after {key} the focus is on {program.focused()!r}"
        assert heard == ([shown] if shown else []), f"after {key} a screen reader heard {heard}"
    pyatspi.Registry.deregisterEventListener(listener, "object:text-changed:insert")

    # "Añadir Película": the bar and its keys are unavailable until the film is saved.
    keys("alt+a")
    type_text("5")
    keys("Page_Down", "ctrl+Page_Up", "ctrl+Page_Down", "Page_Up")
    assert (text_of(number), text_of(title)) == ("5", ""), "while adding, the keys changed the boxes"
    bar = next(n for n in walk(program.window) if n.getRole() == pyatspi.ROLE_TOOL_BAR)
    buttons = [n for n in walk(bar) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    assert len(buttons) == 4 and not any(has_state(b, pyatspi.STATE_SENSITIVE) for b in buttons)
    keys("Tab")
    type_text("Eraserhead")
    keys("alt+g", "ctrl+Page_Down")
    assert text_of(number) == "5", f"after saving, Control+Av Pág shows film {text_of(number)!r}"
    program.finish()
print("navigation keys: Re Pág, Av Pág, Control+Re Pág and Control+Av Pág move the film as the buttons do")
