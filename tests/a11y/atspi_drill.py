"""A blind pupil's length drill at "Neueinsteiger" by keyboard alone, answered
from the spoken tasks: every result, message, focus and title must be heard.
Run inside tests/a11y/atspi-session.sh: atspi_drill.py PATH-TO-QUARVEL.
Exits 77 (skipped) without python3-pyatspi or xdotool."""

import re
import shutil
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
if shutil.which("xdotool") is None:
    print("SKIPPED: xdotool is not installed", file=sys.stderr)
    sys.exit(77)

LENGTH = {"km": Decimal(1000), "m": Decimal(1), "dm": Decimal("0.1"), "cm": Decimal("0.01"),
          "mm": Decimal("0.001")}
KEYSYMS = {"Return": 0xFF0D, "Escape": 0xFF1B, "Right": 0xFF53, "Down": 0xFF54, "BackSpace": 0xFF08}
ALT = 1 << 3  # Mod1
VERDICT = "Du bist schon sehr gut, aber noch nicht Spitze! Übe noch etwas weiter."
RIGHT = "Bravo, deine Eingabe ist richtig!"
WRONG = "Deine Eingabe ist leider falsch! Überprüfe deine Eingabe und versuche es noch einmal."

heard = []      # (kind, text) in the order a screen reader would speak them
focus = [None]  # the object that has the focus
failures = []


def role(source):
    try:
        return source.getRoleName()
    except Exception:  # already gone
        return ""


def on_event(event):
    source, kind = event.source, event.type
    if kind.startswith("object:state-changed:focused") and event.detail1:
        focus[0] = source
        description = f" — {source.description}" if source.description else ""
        heard.append(("Fokus", f"{source.name} ({role(source)}){description}"))
    elif kind.startswith("object:property-change:accessible-description"):
        if source == focus[0] and source.description:
            heard.append(("Beschreibung", source.description))
    elif kind.startswith("object:text-changed:insert") and role(source) == "status bar":
        heard.append(("Meldung", " ".join(str(event.any_data).split())))
    elif kind.startswith("window:activate"):
        heard.append(("Fenster", source.name))


def wait_for(condition, seconds=30.0):
    """Dispatches the bus's events until `condition` holds or time is up (a
    loaded machine can take many seconds for a step; a pass takes none)."""
    context, end = GLib.MainContext.default(), time.monotonic() + seconds
    while not condition():
        if time.monotonic() >= end:
            return False
        GLib.timeout_add(20, lambda: False)  # a tick to recheck the clock
        context.iteration(True)
    return True


def check(condition, what):
    if not condition:
        failures.append(what)
        print(f"FAIL: {what}", file=sys.stderr)


def key(name, modifiers=0):
    registry = pyatspi.Registry
    modifiers and registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
    registry.generateKeyboardEvent(KEYSYMS.get(name) or ord(name), None, pyatspi.KEY_SYM)
    modifiers and registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)


def field_text():
    try:
        return focus[0].queryText().getText(0, -1)
    except Exception:  # no field has the focus, or it is gone
        return None


def type_text(text):
    for c in text:
        key(c)
    check(wait_for(lambda: field_text() == text), f"the field holds {text!r}")


def menu_key(name, item, modifiers=0):
    mark = len(heard)
    key(name, modifiers)
    check(wait_for(lambda: ("Fokus", f"{item} (menu item)") in heard[mark:]),
          f"{name} moves the focus in the menu to {item}, heard {heard[mark:]}")


def answer_of(task):
    """The answer to a spoken task such as "Aufgabe 2: 3000 cm in m"."""
    match = re.fullmatch(r"Aufgabe \d: ([\d,]+) (\w+) in (\w+)", task)
    value = Decimal(match.group(1).replace(",", ".")) * LENGTH[match.group(2)] / LENGTH[match.group(3)]
    return format(value.normalize(), "f").replace(".", ",")


def enter(expect, what, seconds=30.0):
    """Presses Return; the screen reader must then speak `expect` (pairs of
    kind and text, a text ending in "…" only begins so) in this order."""
    mark = len(heard)
    key("Return")

    def matches():
        spoken = iter(heard[mark:])
        return all(any(k == kind and (said == text or text.endswith("…") and
                                      said.startswith(text[:-1])) for k, said in spoken)
                   for kind, text in expect)

    check(wait_for(matches, seconds), f"{what}: expected {expect}, heard {heard[mark:]}")
    return heard[mark:]


def work_line(passage, line):
    """Pass 1: line 2 wrong, then right; line 3 wrong twice. Every other line right."""
    task = focus[0].name if focus[0] is not None else ""
    check(task.startswith(f"Aufgabe {line}: "), f"pass {passage}: the focus is on line {line}")
    right = answer_of(task)
    wrong = "1234567" if right != "1234567" else "7654321"
    button = "Weiter" if passage < 3 else "Auswertung"
    after = ("Fokus", f"Aufgabe {line + 1}: …" if line < 5 else f"{button} (push button)…")
    what = f"pass {passage}, line {line}"
    if passage == 1 and line in (2, 3):
        type_text(wrong)
        enter([("Beschreibung", "falsch, noch ein Versuch"), ("Meldung", WRONG)], what + " wrong")
        check(focus[0].name == task, "a wrong first try keeps the focus")
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


def run():
    for event in ("object:state-changed:focused", "object:property-change:accessible-description",
                  "object:text-changed:insert", "window:activate"):
        pyatspi.Registry.registerEventListener(on_event, event)
    desktop = pyatspi.Registry.getDesktop(0)
    up = wait_for(lambda: any(a is not None and a.name == "Quarvel" for a in desktop), 60)
    check(up, "Quarvel appears on the AT-SPI bus")
    if not up:
        return
    # The X input focus for the start window, as from a window manager (the
    # private X server runs none).
    xdotool = ["xdotool", "search", "--onlyvisible", "--name", "^Quarvel$", "windowfocus"]
    check(wait_for(lambda: subprocess.run(xdotool).returncode == 0 and ("Fenster", "Quarvel") in heard),
          "the start window takes the keyboard")

    # "Maßeinheiten" > "Länge" > "Neueinsteiger": Alt+D opens the first menu
    # with a mnemonic, Escape leaves the menu bar active, the arrows go on.
    menu_key("d", "Dekadisch <--> Numerisch", ALT)
    for name, item in (("Escape", "Dekadisches Zahlensystem"), ("Right", "Maßeinheiten"),
                       ("Down", "Länge"), ("Right", "Neueinsteiger")):
        menu_key(name, item)
    enter([("Fenster", "Längenmaße: NEUEINSTEIGER"), ("Fokus", "Aufgabe 1: …")], "the drill opens")
    for passage in (1, 2, 3):
        check(focus[0] is not None and focus[0].description.startswith(f"Durchgang {passage} von 3."),
              f"the first field names pass {passage}")
        for line in range(1, 6):
            work_line(passage, line)
        if passage < 3:
            enter([("Fokus", "Aufgabe 1: …")], f"pass {passage + 1} begins")

    spoken = enter([("Fenster", "Auswertung"),
                    ("Fokus", "Schließen (push button) — Die Auswertung läuft. Bitte warten."),
                    ("Beschreibung", f"{VERDICT} Richtig: 79,412 %, falsch: 20,588 %.")],
                   "the evaluation", 60.0)
    check(not any(kind == "Fokus" and not text.startswith("Schließen") for kind, text in spoken),
          "the focus stays on Schließen during the evaluation")
    spoken = enter([("Fenster", "Längenmaße: NEUEINSTEIGER"), ("Fokus", "Aufgabe 1: …")],
                   "a fresh drill after the evaluation")
    check(sum(kind == "Fokus" for kind, _ in spoken) == 1, "one focus move after the evaluation")
    mark = len(heard)
    key("s", ALT)
    check(wait_for(lambda: ("Fenster", "Quarvel") in heard[mark:]), "Alt+S goes back to the start window")


def main():
    app = subprocess.Popen([sys.argv[1]])
    try:
        run()
    finally:
        app.terminate()
        try:
            app.wait(5)
        except subprocess.TimeoutExpired:
            app.kill()
    print("Heard on the AT-SPI bus, in order:", *(f"  {k}: {t}" for k, t in heard), sep="\n")
    failures and print(f"{len(failures)} check(s) failed", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
