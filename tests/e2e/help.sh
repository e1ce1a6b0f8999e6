#!/usr/bin/env bash
# The help window of the real program: "Hjælp" opens it titled in Danish, the
# British flag retitles it, and nothing is printed on standard error.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# xdotool matches window names byte for byte only in ASCII, so the help is
# found by an ASCII part of its title and the whole title compared after.
title_is() { [[ $(timeout 10 xdotool getwindowname "$help") == "$1" ]]; }

start C 2>"$dir/stderr"
click Hjælp "$(button 200)"
poll 10 found '^Tervol .* Hj' || fail "Hjælp opened no help window"
help=$win
title_is "Tervol – Hjælp" || fail "the help is titled \"$(xdotool getwindowname "$help")\""
# Without a window manager the help stays on top of the main window.
xdo windowraise "$main"
click "the Union flag" "$UnionFlag"
poll 5 title_is "Tervol – Help" || fail "after the Union flag the help is titled \"$(xdotool getwindowname "$help")\""
quit Escape Escape
! grep -v '^e2e: ' "$dir/stderr" >&2 || fail "Tervol printed on standard error"
