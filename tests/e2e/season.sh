#!/usr/bin/env bash
# The heating-season button, below "Dellast", opens the season window titled
# in the flags' language; a weather file typed there and Return compute the
# season, a file that is not there shows the error box, Escape closes it;
# closing the main window ends the program while it is open.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

printf '%s\n' '-10;100' '0;200' '10;300' '20;50' >"$dir/bins.txt"
Season=$(button 432)
# type_season TEXT: the weather field's text replaced, then Return.
type_season() {
    xdo windowfocus --sync "$season"
    xdo key --delay 20 ctrl+a BackSpace
    xdo type --delay 10 -- "$1"
    xdo key Return
}

start C.UTF-8
click Fyringssæson "$Season"
poll 10 found '^Tervol – Fyringssæson$' || fail "Fyringssæson opened no window \"Tervol – Fyringssæson\""
season=$win
type_season "$dir/missing.txt"
poll 10 found '^Tervol$' || fail "a weather file that is not there showed no error box"
xdo windowfocus --sync "$win"
xdo key Return
poll 5 gone '^Tervol$' || fail "Enter left the error box open"
type_season "$dir/bins.txt"
! poll 2 found '^Tervol$' || fail "the bins file showed an error box"
found '^Tervol – Fyringssæson$' || fail "the season window closed on Return"
xdo windowfocus --sync "$season"
xdo key Escape
poll 5 gone '^Tervol – Fyringssæson$' || fail "Escape left the season window open"

click "Union flag" "$UnionFlag"
click "Heating season" "$Season"
poll 10 found '^Tervol – Heating season$' || fail "Heating season opened no window \"Tervol – Heating season\""
# The season window stands over "Luk"; Escape in the main window ends the
# program with the season window still open.
quit Escape Escape
