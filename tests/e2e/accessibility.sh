#!/usr/bin/env bash
# What a screen reader hears: the real program on the real accessibility bus
# (AT-SPI, in a D-Bus session of this test's own), walked by accessibility.py
# in both languages, the language switched by clicking the flags.
source "$(dirname "${BASH_SOURCE[0]}")/lib_dbus.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
walker=(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessibility.py")

# Started before the program, so that Qt finds the accessibility bus at once.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    fail "no accessibility bus"
# Qt leaves accessibility off unless a screen reader has asked for it.
cat >"$dir/tervol" <<EOF
#!/bin/sh
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$prog" "\$@"
EOF
chmod +x "$dir/tervol"
prog=$dir/tervol

start C
step "reading order and tab order"
xdo windowfocus --sync "$main"
"${walker[@]}" order || fail "reading order or Tab order differs from the tab order"
step "names in Danish"
"${walker[@]}" names DK || fail "Danish names"
click "the Union flag" "$UnionFlag"
step "names in English"
"${walker[@]}" names UK || fail "English names"
click "the Danish flag" "$DanishFlag"
step "names in Danish again"
"${walker[@]}" names DK || fail "Danish names after the switch back"

# The help and part-load windows, open beside the main window, in Danish and
# after the Union flag. With no window manager a new window may cover the
# main one, so it is raised before each click on it.
click Hjælp "$(button 200)"
"${walker[@]}" wait "Tervol – Hjælp" || fail "Hjælp opened no help window"
xdo windowraise "$main"
click Dellast "$(button 400)"
"${walker[@]}" wait "Tervol – Dellast" || fail "Dellast opened no part-load window"
step "the help and part-load windows in Danish"
"${walker[@]}" windows DK || fail "Danish names in the help or part-load window"
xdo windowraise "$main"
click "the Union flag" "$UnionFlag"
step "the help and part-load windows in English"
"${walker[@]}" windows UK || fail "English names in the help or part-load window"
xdo windowraise "$main"
quit Escape Escape
step "all passed"
