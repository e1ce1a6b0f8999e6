#!/usr/bin/env bash
# A case named on the command line (a double-click in a file manager) opens
# loaded, and "Gem som" offers its name: Enter saves the typed heat load there.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

printf '%s\r\n' "${stored[@]}" >"$dir/stored.tvl"
start C "$dir/stored.tvl"
type_into EQ "$EQ" 100
save_as "$dir/stored.tvl" ""
edited=("${stored[@]}")
edited[17]=100
expect "$dir/stored.tvl" "${edited[@]}"
quit Escape Escape

# A case that cannot be read: the window shows, then the error box.
start C "$dir/missing.tvl"
enter '^Tervol$' "a missing case"
quit Escape Escape
