"""The navigation bar's keys, pressed on the real keyboard and read back through
AT-SPI: Av Pág and Re Pág show the next and the previous film, with Control
the last and the first; the box with the focus keeps it and a screen reader
hears its new text; at the first film Re Pág does nothing, as its greyed
button would; while a film is being added the keys do nothing at all.
Usage (through atspi-session.sh): navigation-keys.py PROGRAM"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_window import (Program, check, has_state, keys, pump, text_of, walk, write_catalogue)  # noqa: E402
import pyatspi  # noqa: E402

write_catalogue([(1, "Alien", "01:57:00"), (2, "Brazil", "02:22:00"), (3, "Casablanca", "01:42:00"),
                 (4, "Dune", "02:17:00")])
program = Program(sys.argv[1])
try:
    boxes = {n.name: n for n in walk(program.window) if n.getRole() == pyatspi.ROLE_TEXT}
    number, title = boxes["Número Película"], boxes["Título Película"]
    check(program.focused().name == number.name, f"the window starts with the focus on {program.focused().name!r}")
    keys("Tab")
    check(program.focused().name == title.name, f"Tab went to {program.focused().name!r}")

    heard = []

    def listener(event):
        if event.source.name == title.name:
            heard.append(event.any_data)

    pyatspi.Registry.registerEventListener(listener, "object:text-changed:insert")
    for key, shown in [("Page_Down", "Brazil"), ("Page_Down", "Casablanca"), ("ctrl+Page_Down", "Dune"),
                       ("Page_Up", "Casablanca"), ("ctrl+Page_Up", "Alien"), ("Page_Up", None)]:
        heard.clear()
        keys(key)
        pump(0.3)
        check(text_of(title) == (shown or "Alien"), f"{key} shows {text_of(title)!r}")
        check(program.focused().name == title.name, f"after {key} the focus is on {program.focused().name!r}")
        check(heard == ([shown] if shown else []), f"after {key} a screen reader heard {heard}")
    pyatspi.Registry.deregisterEventListener(listener, "object:text-changed:insert")

    # "Añadir Película": the bar and its keys are unavailable until the film is saved.
    keys("alt+a")
    subprocess.run(["xdotool", "type", "--delay", "60", "5"], check=True)
    keys("Page_Down", "ctrl+Page_Up", "ctrl+Page_Down", "Page_Up")
    check((text_of(number), text_of(title)) == ("5", ""),
          f"while adding, the keys changed the boxes to {text_of(number)!r}, {text_of(title)!r}")
    bar = next(n for n in walk(program.window) if n.getRole() == pyatspi.ROLE_TOOL_BAR)
    buttons = [n for n in walk(bar) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    check(len(buttons) == 4 and not any(has_state(b, pyatspi.STATE_SENSITIVE) for b in buttons),
          "the navigation buttons are not greyed while adding")
    keys("Tab")
    subprocess.run(["xdotool", "type", "--delay", "60", "Eraserhead"], check=True)
    keys("alt+g")
    check(text_of(title) == "Alien", f"after saving the window shows {text_of(title)!r}")
    keys("ctrl+Page_Down")
    check(text_of(number) == "5", f"after saving, Control+Av Pág shows film {text_of(number)!r}")
    program.finish()
finally:
    program.kill()
print("navigation keys: Re Pág, Av Pág, Control+Re Pág and Control+Av Pág move the film as the buttons do")
