#!/usr/bin/env bash
# A case named on the command line, as a double-click in a file manager
# names it: the window opens with it loaded, and "Gem som" offers its name.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

stored=(Glykol Vand 80 75 45 60 30 0.5 0.8 30.0 30.0 2.500 2.300 14.4 5.55
    Vand Glykol 60 72 58 28 40.1 31.9 30.0 0.300 0.700 1.800 1.700 12.0 5.00)
printf '%s\r\n' "${stored[@]}" >"$dir/stored.tvl"
start C "$dir/stored.tvl"
# Enter in the save dialog takes the name it offers: the same file, now
# with the typed heat load.
type_into EQ "$EQ" 100
click "Gem som" "$GemSom"
poll 10 found '^Save As$' || fail "Gem som: no save dialog"
xdo windowfocus --sync "$win"
xdo key Return
poll 10 gone '^Save As$' || fail "the save dialog offered no name to take"
poll 1 only_main || fail "a window other than the main one stays open"
edited=("${stored[@]}")
edited[17]=100
poll 10 lines_in "$dir/stored.tvl" 30
expect "$dir/stored.tvl" "${edited[@]}"
quit Escape Escape

# A case that cannot be read: the window shows, then the error box.
start C "$dir/missing.tvl"
poll 10 found '^Tervol$' || fail "no error box for a missing case"
box=$win
xdo windowfocus --sync "$box"
xdo key Return
poll 10 gone '^Tervol$' || fail "the error box stays after Enter"
quit Escape Escape
