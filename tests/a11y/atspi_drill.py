"""A blind pupil's drill, as a screen reader meets it on the AT-SPI bus.

Starts Quarvel, works one length drill at level "Neueinsteiger" by keyboard
alone (three passes, the evaluation, back to the start window) and keeps what
a screen reader would speak: the window titles, each focus with its name and
description, description changes of the focused object and the text of each
status message. The answers come from the spoken tasks, as a pupil would
work them out. Checks that every result and message is heard, then prints
what was heard.

Run inside tests/a11y/atspi-session.sh:  atspi_drill.py PATH-TO-QUARVEL
Exits 77 (skipped) when python3-pyatspi is missing.
"""

import ctypes
import ctypes.util
import re
import subprocess
import sys
import time
from decimal import Decimal

try:
    import pyatspi
    from gi.repository import GLib
except ImportError as error:
    print(f"SKIPPED: python3-pyatspi is not installed ({error})", file=sys.stderr)
    sys.exit(77)

LENGTH = {"km": Decimal(1000), "m": Decimal(1), "dm": Decimal("0.1"), "cm": Decimal("0.01"),
          "mm": Decimal("0.001")}
KEYSYMS = {"Return": 0xFF0D, "Escape": 0xFF1B, "Right": 0xFF53, "Down": 0xFF54, "BackSpace": 0xFF08,
           ",": 0x2C}
ALT = 1 << 3  # Mod1
VERDICT = "Du bist schon sehr gut, aber noch nicht Spitze! Übe noch etwas weiter."
RIGHT = "Bravo, deine Eingabe ist richtig!"
WRONG = "Deine Eingabe ist leider falsch! Überprüfe deine Eingabe und versuche es noch einmal."

heard = []      # (kind, text) in the order a screen reader would speak them
focus = [None]  # the object that has the focus
failures = []


def say(kind, text):
    heard.append((kind, text))


def role(source):
    try:
        return source.getRoleName()
    except Exception:  # an object that is already gone
        return ""


def on_event(event):
    source = event.source
    kind = event.type
    if kind.startswith("object:state-changed:focused"):
        if event.detail1:
            focus[0] = source
            description = f" — {source.description}" if source.description else ""
            say("Fokus", f"{source.name} ({role(source)}){description}")
    elif kind.startswith("object:property-change:accessible-description"):
        if source == focus[0] and source.description:
            say("Beschreibung", source.description)
    elif kind.startswith("object:text-changed:insert"):
        if role(source) == "status bar":
            say("Meldung", " ".join(str(event.any_data).split()))
    elif kind.startswith("window:activate"):
        say("Fenster", source.name)
    elif kind.startswith("object:property-change:accessible-name"):
        if role(source) in ("frame", "dialog") and source.getState().contains(pyatspi.STATE_ACTIVE):
            say("Titel", source.name)


def wait_for(condition, seconds=10.0):
    """Dispatches the bus's events until `condition` holds; blocks in the main
    loop while nothing arrives, so it never waits longer than it must."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while not condition():
        if time.monotonic() >= end:
            return False
        # Waits for the next event (or a short tick that rechecks the clock).
        GLib.timeout_add(20, lambda: False)
        context.iteration(True)
    return True


def key(name, modifiers=0):
    registry = pyatspi.Registry
    if modifiers:
        registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
    registry.generateKeyboardEvent(KEYSYMS.get(name) or ord(name), None, pyatspi.KEY_SYM)
    if modifiers:
        registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)


def field_text():
    try:
        text = focus[0].queryText()
        return text.getText(0, text.characterCount)
    except Exception:  # no field has the focus, or it is gone
        return None


def type_text(text, before=""):
    """Types into the focused field and waits until the field holds it."""
    for c in text:
        key(c)
    check(wait_for(lambda: field_text() == before + text), f"the field holds {before + text!r}")


def menu_key(name, item, modifiers=0):
    """A key in the menu bar: waits until `item` takes the focus."""
    mark = len(heard)
    key(name, modifiers)
    check(wait_for(lambda: ("Fokus", f"{item} (menu item)") in heard_since(mark)),
          f"{name} moves the focus in the menu to {item}, heard {heard_since(mark)}")


IGNORE_X_ERRORS = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)


def focus_window(title):
    """Gives the window the X input focus, as a window manager does when a
    program starts (the private X server runs none)."""
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    windows = ctypes.POINTER(ctypes.c_ulong)
    x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                               ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(windows),
                               ctypes.POINTER(ctypes.c_uint)]
    x11.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    x11.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    # A window of that name that is not mapped (Qt's group leader) refuses
    # the focus with an X error, which must not end the program.
    x11.XSetErrorHandler(IGNORE_X_ERRORS)
    display = x11.XOpenDisplay(None)
    root, parent, children, count = ctypes.c_ulong(), ctypes.c_ulong(), windows(), ctypes.c_uint()
    x11.XQueryTree(display, x11.XDefaultRootWindow(display), ctypes.byref(root),
                   ctypes.byref(parent), ctypes.byref(children), ctypes.byref(count))
    found = False
    for k in range(count.value):
        name = ctypes.c_char_p()
        named = x11.XFetchName(display, children[k], ctypes.byref(name))
        if named and name.value == title.encode():
            x11.XSetInputFocus(display, children[k], 1, 0)  # RevertToPointerRoot
            found = True
    x11.XFlush(display)
    x11.XCloseDisplay(display)
    return found


def check(condition, what):
    if not condition:
        failures.append(what)
        print(f"FAIL: {what}", file=sys.stderr)


def answer_of(task):
    """The answer to a spoken task such as "Aufgabe 2: 3000 cm in m"."""
    match = re.fullmatch(r"Aufgabe \d: ([\d,]+) (\w+) in (\w+)", task)
    value = Decimal(match.group(1).replace(",", "."))
    result = value * LENGTH[match.group(2)] / LENGTH[match.group(3)]
    text = format(result.normalize(), "f")
    return text.replace(".", ",")


def focused_name():
    return focus[0].name if focus[0] is not None else ""


def heard_since(mark):
    return heard[mark:]


def enter(expect, what, seconds=5.0):
    """Presses Return and checks that the screen reader then speaks `expect`
    (pairs of kind and text, a text ending in "…" only begins so), in order."""
    mark = len(heard)
    key("Return")

    def matches():
        spoken = heard_since(mark)
        position = 0
        for kind, text in expect:
            while position < len(spoken):
                said_kind, said = spoken[position]
                position += 1
                prefix = text.endswith("…") and said.startswith(text[:-1])
                if said_kind == kind and (said == text or prefix):
                    break
            else:
                return False
        return True

    ok = wait_for(matches, seconds)
    check(ok, f"{what}: expected {expect}, heard {heard_since(mark)}")
    return heard_since(mark)


def work_line(passage, line):
    """Answers the focused task: in pass 1 line 2 wrong and then right, line 3
    wrong twice, every other line right."""
    task = focused_name()
    check(task.startswith(f"Aufgabe {line}: "), f"pass {passage}: the focus is on line {line}")
    right = answer_of(task)
    wrong = "1234567" if right != "1234567" else "7654321"
    button = "Weiter" if passage < 3 else "Auswertung"
    after = ("Fokus", f"Aufgabe {line + 1}: …" if line < 5 else f"{button} (push button)…")
    what = f"pass {passage}, line {line}"
    if passage == 1 and line in (2, 3):
        type_text(wrong)
        enter([("Beschreibung", "falsch, noch ein Versuch"), ("Meldung", WRONG)], what + " wrong")
        check(focused_name() == task, "a wrong first try keeps the focus")
    if passage == 1 and line == 2:
        for _ in wrong:
            key("BackSpace")
        check(wait_for(lambda: field_text() == ""), "BackSpace empties the field")
        type_text(right)
        enter([("Beschreibung", f"richtig beim zweiten Versuch: {right}"),
               ("Meldung", "Beim zweiten Versuch ist deine Eingabe richtig!"), after],
              what + " right at the second try")
    elif passage == 1 and line == 3:
        enter([("Beschreibung", f"zweimal falsch, das Ergebnis lautet {right}. So geht's: …"),
               ("Meldung", f"Deine Eingabe ist leider wieder falsch! Das Ergebnis lautet {right}! …"),
               after], what + " wrong twice")
    else:
        type_text(right)
        enter([("Beschreibung", f"richtig beim ersten Versuch: {right}"), ("Meldung", RIGHT), after],
              what + " right")


def main():
    program = sys.argv[1]
    app = subprocess.Popen([program])
    try:
        run()
    finally:
        app.terminate()
        try:
            app.wait(5)
        except subprocess.TimeoutExpired:
            app.kill()
    print("Heard on the AT-SPI bus, in order:")
    for kind, text in heard:
        print(f"  {kind}: {text}")
    if failures:
        print(f"{len(failures)} check(s) failed", file=sys.stderr)
        return 1
    return 0


def run():
    registry = pyatspi.Registry
    for event in ("object:state-changed:focused", "object:property-change:accessible-description",
                  "object:property-change:accessible-name", "object:text-changed:insert",
                  "window:activate"):
        registry.registerEventListener(on_event, event)
    desktop = registry.getDesktop(0)
    up = wait_for(lambda: any(a is not None and a.name == "Quarvel" for a in desktop), 20)
    check(up, "Quarvel appears on the AT-SPI bus")
    if not up:
        return
    check(wait_for(lambda: focus_window("Quarvel") and ("Fenster", "Quarvel") in heard, 10),
          "the start window takes the keyboard")

    # "Maßeinheiten" > "Länge" > "Neueinsteiger": Alt+D opens the first menu
    # with a mnemonic, Escape leaves the menu bar active, the arrows go on.
    menu_key("d", "Dekadisch <--> Numerisch", ALT)
    for name, item in (("Escape", "Dekadisches Zahlensystem"), ("Right", "Maßeinheiten"),
                       ("Down", "Länge"), ("Right", "Neueinsteiger")):
        menu_key(name, item)
    enter([("Fenster", "Längenmaße: NEUEINSTEIGER"),
           ("Fokus", "Aufgabe 1: …")], "the drill opens")
    check(focus[0] is not None and focus[0].description.startswith("Durchgang 1 von 3."),
          "the first field names the pass")

    for passage in (1, 2, 3):
        for line in range(1, 6):
            work_line(passage, line)
        if passage < 3:
            enter([("Fokus", "Aufgabe 1: …")], f"pass {passage + 1} begins")
            check(focus[0].description.startswith(f"Durchgang {passage + 1} von 3."),
                  f"the first field names pass {passage + 1}")

    spoken = enter([("Fenster", "Auswertung"),
                    ("Fokus", "Schließen (push button) — Die Auswertung läuft. Bitte warten."),
                    ("Beschreibung", f"{VERDICT} Richtig: 79,412 %, falsch: 20,588 %.")],
                   "the evaluation", 20.0)
    check(not any(kind == "Fokus" and not text.startswith("Schließen") for kind, text in spoken),
          "the focus stays on Schließen during the evaluation")
    spoken = enter([("Fenster", "Längenmaße: NEUEINSTEIGER"), ("Fokus", "Aufgabe 1: …")],
                   "a fresh drill after the evaluation")
    check(sum(kind == "Fokus" for kind, _ in spoken) == 1, "one focus move after the evaluation")

    mark = len(heard)
    key("s", ALT)
    check(wait_for(lambda: ("Fenster", "Quarvel") in heard_since(mark)),
          "Alt+S goes back to the start window")


if __name__ == "__main__":
    sys.exit(main())
