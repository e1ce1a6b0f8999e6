# The part-load button, below the column of commands, opens the study window
# with its Danish title; Escape there closes it and leaves the program running.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

Dellast=$(button 400)
start C.UTF-8
click Dellast "$Dellast"
poll 10 found '^Tervol – Dellast$' || fail "Dellast opened no window \"Tervol – Dellast\""
study=$win
xdo windowfocus --sync "$study"
xdo key Escape
poll 5 gone '^Tervol – Dellast$' || fail "Escape left the study window open"
alive
quit Luk "$Luk"
echo "e2e part_load: passed" >&2
