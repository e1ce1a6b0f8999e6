"""What a screen reader finds in the running Tervol, read over the real
accessibility bus (AT-SPI) with pyatspi.

    accessibility.py names DK|UK      every control's role and name
    accessibility.py order            focusable controls in reading order,
                                      then where Tab really moves the focus
    accessibility.py windows DK|UK    the help and part-load windows' controls
    accessibility.py wait TITLE       until a window with that exact title is
                                      there (xdotool matches no title beyond
                                      Latin-1, such as one with a dash)
    accessibility.py where TITLE ROLE NAME
                                      the screen pixel "x y" at the middle of
                                      that control of the window whose title
                                      matches the regular expression TITLE
                                      (for controls drawn without a fixed
                                      place, such as a dialog's tool buttons)

Exit status 0 when all is as expected; each difference is printed.
"""

import re
import subprocess
import sys
import time

import pyatspi

WINDOW = "Tervol Program ver. 1.2"

# Spoken names are the row captions as a listener hears them: the aligning
# blanks of the window's captions (two before a unit, a trailing one) are not
# part of the name.
ROWS = {
    "DK": {
        "medium": ["Primær flow", "Sekundær flow"],
        "nominal": ["Effekt [kW]", "Primær temp. frem [°C]", "Primær temp. retur [°C]",
                    "Kold sekundær ind [°C]", "Varm sekundær ud [°C]", "Primær tryktab i [bar]",
                    "Sekundær tryktab i [bar]"],
        "nominal results": ["Temp. differens primær [°C]", "Temp. differens sekundær [°C]",
                            "Primær vandflow [m3/h]", "Sekundær vandflow [m3/h]",
                            "Logaritmisk middeltemp. [°C]", "Varmeoverføringsevne [kW/°C]"],
        "actual": ["Effekt [kW]", "Primær temp. frem [°C]", "Kold sekundær ind [°C]",
                   "Varm sekundær ud [°C]"],
        "actual results": ["Primær temp. retur [°C]", "Temp. differens primær [°C]",
                           "Temp. differens sekundær [°C]", "Primær tryktab i [bar]",
                           "Sekundær tryktab i [bar]", "Primær vandflow [m3/h]",
                           "Sekundær vandflow [m3/h]", "Logaritmisk middeltemp. [°C]",
                           "Varmeoverføringsevne [kW/°C]"],
        "groups": ["Beregning af nominel tilstand", "Beregning af aktuel tilstand", "Resultat", "Resultat"],
        "buttons": ["Beregn Nominel", "Beregn Aktuel", "Udskriv", "Luk", "Hent sag", "Gem som", "Hjælp",
                    "Dellast"],
    },
    "UK": {
        "medium": ["Primary fluid (water or antifreeze 40 %)", "Secondary fluid (water or antifreeze)"],
        "nominal": ["Transferred heat (kW)", "Primary inlet temperature °C", "Primary outlet temperature °C",
                    "Secondary inlet temperature °C", "Secondary outlet temperature °C",
                    "Pressure loss primary side (bars)", "Pressure loss secondary side (bars)"],
        "nominal results": ["Primary cooling off (K)", "Secondary heating up (K)", "Primary flow (m3/h)",
                            "Secondary flow (m3/h)", "Logaritmic temperature difference (K)",
                            "UA overall heat transfer coefficient (kW/K)"],
        "actual": ["Transferred heat (kW)", "Primary inlet temperature °C", "Secondary inlet temperature °C",
                   "Secondary outlet temperature °C"],
        "actual results": ["Primary outlet temperature °C", "Primary cooling off (K)", "Secondary heating up (K)",
                           "Pressure loss primary side (bars)", "Pressure loss secondary side (bars)",
                           "Primary flow (m3/h)", "Secondary flow (m3/h)",
                           "Logaritmic temperature difference (K)",
                           "UA overall heat transfer coefficient (kW/K)"],
        "groups": ["Definition of nominal conditions", "Definition of actual conditions", "Calculation results",
                   "Calculation results"],
        "buttons": ["Calculate nominal", "Calculate actual", "Print", "Close", "Open", "Save as", "Help",
                    "Part load"],
    },
}
FLAGS = ["Dansk", "English"]


# The help window and the part-load window: controls a listener must find
# there. (A read-only rich text such as the help topic is a label that takes
# the focus.)
OTHER_WINDOWS = {
    "DK": [
        ("Tervol – Hjælp", [("push button", "Tilbage"), ("push button", "Frem"), ("push button", "Udskriv emnet"),
                            ("text", "Stikordsfilter"), ("list", "Stikord"), ("label", "Emne")]),
        ("Tervol – Dellast", [("combo box", "Varieret størrelse"), ("text", "Første værdi"),
                              ("text", "Sidste værdi"), ("text", "Antal punkter"), ("push button", "Beregn"),
                              ("table", "Resultattabel"), ("push button", "Kopiér tabel"),
                              ("push button", "Gem som CSV"), ("push button", "Udskriv"), ("push button", "Luk")]),
    ],
    "UK": [
        ("Tervol – Help", [("push button", "Back"), ("push button", "Forward"), ("push button", "Print topic"),
                           ("text", "Keyword filter"), ("list", "Keywords"), ("label", "Topic")]),
        ("Tervol – Part load", [("combo box", "Varied quantity"), ("text", "First value"), ("text", "Last value"),
                                ("text", "Number of points"), ("push button", "Calculate"),
                                ("table", "Result table"), ("push button", "Copy table"),
                                ("push button", "Save as CSV"), ("push button", "Print"), ("push button", "Close")]),
    ],
}


def expected_names(language):
    """(role, name) of every control in reading order: the window's children
    in their order, each group's rows before the group inside it."""
    r = ROWS[language]
    nominal_1, actual_1, results_1, results_2 = r["groups"]
    beregn_nom, beregn_akt, udskriv, luk, hent, gem, hjaelp, dellast = r["buttons"]
    lists = [("combo box", name) for name in r["medium"]]
    return ([("panel", actual_1)] + lists + [("text", n) for n in r["actual"]]
            + [("panel", results_2)] + [("text (read-only)", n) for n in r["actual results"]]
            + [("push button", n) for n in (beregn_nom, beregn_akt, udskriv, luk)]
            + [("panel", nominal_1)] + lists + [("text", n) for n in r["nominal"]]
            + [("panel", results_1)] + [("text (read-only)", n) for n in r["nominal results"]]
            + [("push button", n) for n in FLAGS + [hent, gem, hjaelp, dellast]])


# The focus order the window's tab order gives, in Danish, as a listener
# hears it: the actual group's fields, four commands, the nominal group's
# fields, the flags, the file commands, help and part load.
TAB_ORDER = (ROWS["DK"]["medium"] + ROWS["DK"]["actual"]
             + ["Beregn Nominel", "Beregn Aktuel", "Udskriv", "Luk"]
             + ROWS["DK"]["medium"] + ROWS["DK"]["nominal"]
             + FLAGS + ["Hent sag", "Gem som", "Hjælp", "Dellast"])


def window_named(matches, what, deadline=15):
    end = time.monotonic() + deadline
    while True:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None:
                continue
            for window in app:
                if window is not None and matches(window.name):
                    return window
        if time.monotonic() > end:
            sys.exit(f"accessibility: no window {what} on the accessibility bus")
        time.sleep(0.2)


def main_window():
    return window_named(lambda name: name == WINDOW, f'"{WINDOW}"')


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def where(title, role_name, name):
    window = window_named(lambda n: re.search(title, n) is not None, f"matching /{title}/")
    for node in descendants(window):
        if node.getRoleName() == role_name and node.name == name:
            box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            print(box.x + box.width // 2, box.y + box.height // 2)
            return 0
    print(f"accessibility: no {role_name} \"{name}\" in the window \"{window.name}\"", file=sys.stderr)
    return 1


def controls(node):
    """The window's controls in reading order (depth first); the parts of a
    medium list (its edit line and drop-down), a list, a table or a text
    belong to it; a label is a control only when it takes the focus."""
    for child in node:
        if child is None:
            continue
        role = child.getRoleName()
        if role == "label" and not focusable(child):
            continue
        yield child
        if role not in ("combo box", "list", "table", "label"):
            yield from controls(child)


def spoken(control):
    """The name a screen reader gives a control. Qt names a list on Linux
    after its shown text and leaves its caption to the label relation (the
    row's label first, then Qt adds the group); the list's edit line, which
    takes the focus, carries the caption itself."""
    if control.getRoleName() != "combo box":
        return control.name
    labels = [relation.getTarget(i).name for relation in control.getRelationSet()
              if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for i in range(relation.getNTargets())]
    edit_lines = [part.name for part in control if part is not None and part.getRoleName() == "text"]
    if labels and edit_lines in ([], labels[:1]):
        return labels[0]
    return f"labelled by {labels}, edit line {edit_lines}"


def role(control):
    """Input fields and result fields are both text, told apart by whether
    the user can edit them."""
    name = control.getRoleName()
    if name == "text" and control.getState().contains(pyatspi.STATE_READ_ONLY):
        return "text (read-only)"
    return name


def focusable(node):
    return node.getState().contains(pyatspi.STATE_FOCUSABLE)


def focused(window):
    for control in controls(window):
        if control.getState().contains(pyatspi.STATE_FOCUSED):
            return control
        if control.getRoleName() == "combo box":
            for part in control:
                if part is not None and part.getState().contains(pyatspi.STATE_FOCUSED):
                    return control
    return None


def compare(what, expected, found):
    if expected == found:
        return 0
    print(f"accessibility: {what} differs", file=sys.stderr)
    for i in range(max(len(expected), len(found))):
        e = expected[i] if i < len(expected) else "(none)"
        f = found[i] if i < len(found) else "(none)"
        print(f"  {'  ' if e == f else '! '}{i:2}: expected {e!r:60} found {f!r}", file=sys.stderr)
    return 1


def check_names(language):
    window = main_window()
    found = [(role(c), spoken(c)) for c in controls(window)]
    return compare(f"names in {language}", expected_names(language), found)


def check_other_windows(language):
    failures = 0
    for title, wanted in OTHER_WINDOWS[language]:
        window = window_named(lambda name: name == title, f'"{title}"')
        found = [(role(c), spoken(c)) for c in controls(window)]
        missing = [control for control in wanted if control not in found]
        if missing:
            failures += 1
            print(f"accessibility: in \"{title}\" no {missing}; found:", file=sys.stderr)
            for control in found:
                print(f"    {control!r}", file=sys.stderr)
    return failures


def check_order():
    window = main_window()
    failures = compare("reading order of the focusable controls", TAB_ORDER,
                       [spoken(c) for c in controls(window) if focusable(c)])
    # The real focus, moved by the Tab key, starting from the first control.
    visited = []
    for step in range(len(TAB_ORDER)):
        if step:
            subprocess.run(["xdotool", "key", "Tab"], check=True, timeout=10)
        expected = TAB_ORDER[step]
        end = time.monotonic() + 3
        while True:
            now = focused(window)
            name = spoken(now) if now is not None else "(nothing focused)"
            if name == expected or time.monotonic() > end:
                break
            time.sleep(0.05)
        visited.append(name)
    return failures + compare("focus moved by Tab", TAB_ORDER, visited)


if __name__ == "__main__":
    if sys.argv[1:2] == ["names"] and len(sys.argv) == 3 and sys.argv[2] in ROWS:
        sys.exit(check_names(sys.argv[2]))
    if sys.argv[1:2] == ["wait"] and len(sys.argv) == 3:
        sys.exit(0 if window_named(lambda name: name == sys.argv[2], f'"{sys.argv[2]}"') else 1)
    if sys.argv[1:2] == ["windows"] and len(sys.argv) == 3 and sys.argv[2] in OTHER_WINDOWS:
        sys.exit(check_other_windows(sys.argv[2]))
    if sys.argv[1:] == ["order"]:
        sys.exit(check_order())
    if sys.argv[1:2] == ["where"] and len(sys.argv) == 5:
        sys.exit(where(*sys.argv[2:]))
    sys.exit(__doc__)
