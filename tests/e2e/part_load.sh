#!/usr/bin/env bash
# The part-load button, below the column of commands, opens the study window
# with its Danish title; Escape there closes it and leaves the program running.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

start C.UTF-8
click Dellast "$(button 400)"
poll 10 found '^Tervol – Dellast$' || fail "Dellast opened no window \"Tervol – Dellast\""
xdo windowfocus --sync "$win"
xdo key Escape
poll 5 gone '^Tervol – Dellast$' || fail "Escape left the study window open"
quit Luk "$Luk"
