#!/usr/bin/env bash
# What a screen reader hears: the real program on the real accessibility bus,
# walked by accessibility.py in both languages, switched by the flags.
source "$(dirname "${BASH_SOURCE[0]}")/lib_dbus.sh"

start C
"${walker[@]}" order || fail "the reading order differs from the tab order"
"${walker[@]}" names DK || fail "Danish names"
click "the Union flag" "$UnionFlag"
"${walker[@]}" names UK || fail "English names"
click "the Danish flag" "$DanishFlag"

# With no window manager the help and part-load windows may cover the main one.
click Hjælp "$(button 200)"
"${walker[@]}" wait "Tervol – Hjælp" || fail "Hjælp opened no help window"
xdo windowraise "$main"
click Dellast "$(button 400)"
"${walker[@]}" wait "Tervol – Dellast" || fail "Dellast opened no part-load window"
"${walker[@]}" windows DK || fail "Danish names in the help or part-load window"
xdo windowraise "$main"
click "the Union flag" "$UnionFlag"
"${walker[@]}" windows UK || fail "English names in the help or part-load window"
quit Escape Escape
step "all passed"
