"""What a screen reader finds in the running Tervol, over the real AT-SPI bus.

    names DK|UK | order | windows DK|UK   check the main window's controls,
        its focusable ones in reading order, the help and part-load windows'
    wait TITLE    until that window is there (xdotool matches no title beyond Latin-1)
    where TITLE-REGEX ROLE NAME           print the screen "x y" of that control
"""

import difflib
import re
import sys
import time

import pyatspi

WINDOW = "Tervol Program ver. 1.2"


def table(text):
    """(role, name) pairs from runs "ROLE: NAME|NAME|..." parted by "; " or lines."""
    return [(role, name) for run in re.split(r"; |\n", text.strip())
            for role, names in [run.split(": ", 1)] for name in names.split("|")]


# Every control in reading order (a group's rows before the group inside it),
# named by its row caption without the aligning blanks.
NAMES = {"DK": table("""
panel: Beregning af aktuel tilstand; combo box: Primær flow|Sekundær flow; text: Effekt [kW]|Primær temp. frem [°C]
text: Kold sekundær ind [°C]|Varm sekundær ud [°C]; panel: Resultat; text (read-only): Primær temp. retur [°C]
text (read-only): Temp. differens primær [°C]|Temp. differens sekundær [°C]|Primær tryktab i [bar]
text (read-only): Sekundær tryktab i [bar]|Primær vandflow [m3/h]|Sekundær vandflow [m3/h]
text (read-only): Logaritmisk middeltemp. [°C]|Varmeoverføringsevne [kW/°C]; push button: Beregn Nominel
push button: Beregn Aktuel|Udskriv|Luk; panel: Beregning af nominel tilstand; combo box: Primær flow|Sekundær flow
text: Effekt [kW]|Primær temp. frem [°C]|Primær temp. retur [°C]|Kold sekundær ind [°C]|Varm sekundær ud [°C]
text: Primær tryktab i [bar]|Sekundær tryktab i [bar]; panel: Resultat
text (read-only): Temp. differens primær [°C]|Temp. differens sekundær [°C]|Primær vandflow [m3/h]
text (read-only): Sekundær vandflow [m3/h]|Logaritmisk middeltemp. [°C]|Varmeoverføringsevne [kW/°C]
push button: Dansk|English|Hent sag|Gem som|Hjælp|Dellast|Fyringssæson"""), "UK": table("""
panel: Definition of actual conditions; combo box: Primary fluid (water or antifreeze 40 %)
combo box: Secondary fluid (water or antifreeze); text: Transferred heat (kW)|Primary inlet temperature °C
text: Secondary inlet temperature °C|Secondary outlet temperature °C; panel: Calculation results
text (read-only): Primary outlet temperature °C|Primary cooling off (K)|Secondary heating up (K)
text (read-only): Pressure loss primary side (bars)|Pressure loss secondary side (bars)|Primary flow (m3/h)
text (read-only): Secondary flow (m3/h)|Logaritmic temperature difference (K)
text (read-only): UA overall heat transfer coefficient (kW/K); push button: Calculate nominal|Calculate actual|Print
push button: Close; panel: Definition of nominal conditions; combo box: Primary fluid (water or antifreeze 40 %)
combo box: Secondary fluid (water or antifreeze); text: Transferred heat (kW)|Primary inlet temperature °C
text: Primary outlet temperature °C|Secondary inlet temperature °C|Secondary outlet temperature °C
text: Pressure loss primary side (bars)|Pressure loss secondary side (bars); panel: Calculation results
text (read-only): Primary cooling off (K)|Secondary heating up (K)|Primary flow (m3/h)|Secondary flow (m3/h)
text (read-only): Logaritmic temperature difference (K)|UA overall heat transfer coefficient (kW/K)
push button: Dansk|English|Open|Save as|Help|Part load|Heating season""")}

# The window's tab order as a Danish listener hears it.
TAB_ORDER = ("Primær flow|Sekundær flow|Effekt [kW]|Primær temp. frem [°C]|Kold sekundær ind [°C]|"
             "Varm sekundær ud [°C]|Beregn Nominel|Beregn Aktuel|Udskriv|Luk|Primær flow|Sekundær flow|"
             "Effekt [kW]|Primær temp. frem [°C]|Primær temp. retur [°C]|Kold sekundær ind [°C]|"
             "Varm sekundær ud [°C]|Primær tryktab i [bar]|Sekundær tryktab i [bar]|Dansk|English|Hent sag|"
             "Gem som|Hjælp|Dellast|Fyringssæson").split("|")

# Controls a listener must find in the help and part-load windows (the
# read-only help topic is a label that takes the focus).
OTHER_WINDOWS = {"DK": {"Tervol – Hjælp": table("""
push button: Tilbage|Frem|Udskriv emnet; text: Stikordsfilter; list: Stikord; label: Emne"""), "Tervol – Dellast": table("""
combo box: Varieret størrelse; text: Første værdi|Sidste værdi|Antal punkter; push button: Beregn
table: Resultattabel; push button: Kopiér tabel|Gem som …|Udskriv|Luk""")},
                 "UK": {"Tervol – Help": table("""
push button: Back|Forward|Print topic; text: Keyword filter; list: Keywords; label: Topic"""), "Tervol – Part load": table("""
combo box: Varied quantity; text: First value|Last value|Number of points; push button: Calculate
table: Result table; push button: Copy table|Save as …|Print|Close""")}}


def window(pattern, deadline=15):
    """The first window whose title matches the regular expression."""
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        for app in pyatspi.Registry.getDesktop(0):
            for w in app or []:
                if w is not None and re.search(pattern, w.name):
                    return w
        time.sleep(0.2)
    sys.exit(f"accessibility: no window /{pattern}/ on the accessibility bus")


def titled(title):
    return window(f"^{re.escape(title)}$")


def focusable(node):
    return node.getState().contains(pyatspi.STATE_FOCUSABLE)


def where(title, role_name, name):
    node = pyatspi.findDescendant(window(title), lambda n: n.getRoleName() == role_name and n.name == name)
    if node is None:
        sys.exit(f'accessibility: no {role_name} "{name}" in the window /{title}/')
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print(box.x + box.width // 2, box.y + box.height // 2)


def controls(node):
    """The controls in reading order; a label is one only when it takes the focus."""
    for child in node:
        if child is None or child.getRoleName() == "label" and not focusable(child):
            continue
        yield child
        if child.getRoleName() not in ("combo box", "list", "table", "label"):
            yield from controls(child)


def spoken(control):
    """Qt names a list on Linux after its shown text and leaves its caption
    to the label relation (the row's label first, then the group); its edit
    line, which takes the focus, carries the caption itself."""
    if control.getRoleName() != "combo box":
        return control.name
    labels = [relation.getTarget(i).name for relation in control.getRelationSet()
              if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(relation.getNTargets())]
    edit_lines = [part.name for part in control if part is not None and part.getRoleName() == "text"]
    return labels[0] if labels and edit_lines in ([], labels[:1]) else f"labelled by {labels}, edit line {edit_lines}"


def named(window):
    """(role, spoken name) of each control; a result field is read-only text."""
    return [("text (read-only)" if c.getRoleName() == "text" and c.getState().contains(pyatspi.STATE_READ_ONLY)
             else c.getRoleName(), spoken(c)) for c in controls(window)]


def compare(what, expected, found):
    if expected != found:
        print(f"accessibility: {what} differs (-expected +found)", *difflib.unified_diff(
            list(map(repr, expected)), list(map(repr, found)), lineterm="", n=99), sep="\n", file=sys.stderr)
    return int(expected != found)


if __name__ == "__main__":
    command, args = (sys.argv[1:2] or [""])[0], sys.argv[2:]
    if command == "names" and args and args[0] in NAMES:
        sys.exit(compare(f"names in {args[0]}", NAMES[args[0]], named(titled(WINDOW))))
    if command == "order" and not args:
        sys.exit(compare("reading order of the focusable controls", TAB_ORDER,
                         [spoken(c) for c in controls(titled(WINDOW)) if focusable(c)]))
    if command == "windows" and args and args[0] in OTHER_WINDOWS:
        # Each window must hold these controls, among others, in any order.
        sys.exit(sum(compare(title, sorted(wanted), sorted(c for c in named(titled(title)) if c in wanted))
                     for title, wanted in OTHER_WINDOWS[args[0]].items()))
    if command == "wait" and len(args) == 1:
        sys.exit(0 if titled(args[0]) else 1)
    if command == "where" and len(args) == 3:
        sys.exit(where(*args))
    sys.exit(__doc__)
