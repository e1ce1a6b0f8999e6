#!/usr/bin/env bash
# The main window's commands, keys and case files, end to end.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# A typed heat load, "Beregn Aktuel", "Gem som" in the locale's decimal mark.
actual=("${start_case[@]:0:17}" 100 "${start_case[@]:18:3}" 34.7 38.3 33.0 2.023 2.725 2.278 2.639 7.00 14.29)
for locale in C da_DK.UTF-8; do
    start "$locale"
    type_into EQ "$EQ" 100
    click "Beregn Aktuel" "$BeregnAktuel"
    save_as "$dir/actual-$locale.tvl"
    [[ $locale == C ]] || actual=("${actual[@]//./,}")
    expect "$dir/actual-$locale.tvl" "${actual[@]}"
    quit Escape Escape
done

# "Hent sag" shows a stored case exactly as stored (loading calculates
# nothing), so "Gem som" writes the same bytes back.
printf '%s\r\n' "${stored[@]}" >"$dir/stored.tvl"
start C
open_case "$dir/stored.tvl"
save_as "$dir/copy.tvl"
cmp "$dir/stored.tvl" "$dir/copy.tvl" || fail "Hent sag then Gem som changed the case"
quit Luk "$Luk"

step "all passed"
