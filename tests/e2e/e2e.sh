#!/usr/bin/env bash
# The main window's commands, keys and case files, end to end.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# A typed heat load is recalculated by "Beregn Aktuel" and saved by "Gem som"
# in the locale's decimal mark; Escape ends the program.
actual=("${start_case[@]:0:17}" 100 "${start_case[@]:18:3}" 34.7 38.3 33.0 2.023 2.725 2.278 2.639 7.00 14.29)
for locale in C da_DK.UTF-8; do
    start "$locale"
    type_into EQ "$EQ" 100
    click "Beregn Aktuel" "$BeregnAktuel"
    save_as "$dir/actual-$locale.tvl"
    if [[ $locale == C ]]; then
        expect "$dir/actual-$locale.tvl" "${actual[@]}"
    else
        expect "$dir/actual-$locale.tvl" "${actual[@]//./,}"
    fi
    quit Escape Escape
done

# "Hent sag" shows a stored case exactly as stored (loading calculates
# nothing), so "Gem som" writes the same bytes back. The flags rename the
# media: no calculation has recorded a list position, so all show water.
stored=(Glykol Vand 80 75 45 60 30 0.5 0.8 30.0 30.0 2.500 2.300 14.4 5.55
    Vand Glykol 60 72 58 28 40.1 31.9 30.0 0.300 0.700 1.800 1.700 12.0 5.00)
printf '%s\r\n' "${stored[@]}" >"$dir/stored.tvl"
start C
open_case "$dir/stored.tvl"
save_as "$dir/copy.tvl"
cmp "$dir/stored.tvl" "$dir/copy.tvl" || fail "Hent sag then Gem som changed the case"
media=("${stored[@]}")
media[0]=Water media[1]=Water media[15]=Water media[16]=Water
click "the Union flag" "$UnionFlag"
save_as "$dir/english.tvl"
expect "$dir/english.tvl" "${media[@]}"
media[0]=Vand media[1]=Vand media[15]=Vand media[16]=Vand
click "the Danish flag" "$DanishFlag"
save_as "$dir/danish.tvl"
expect "$dir/danish.tvl" "${media[@]}"
quit Escape Escape

# Enter in a field runs "Beregn Nominel", never "Beregn Aktuel": twice the
# nominal heat gives twice the flows and UA, the actual results stay. An
# emptied field gives an information box; after it the window still works.
start C
type_into EQ_nom "$EQ_nom" 110
type_into EQ "$EQ" 100
keys Return
save_as "$dir/enter.tvl"
mapfile -t saved < <(tr -d '\r' <"$dir/enter.tvl")
nominal=("${start_case[@]}")
nominal[2]=110 nominal[17]=100 nominal[14]=22.00
for i in 11 12; do
    awk -v a="${saved[i]}" -v b="${start_case[i]}" \
        'BEGIN { exit !(a ~ /^[0-9]\.[0-9][0-9][0-9]$/ && (a - 2 * b) ^ 2 <= 0.0011 ^ 2) }' ||
        fail "line $((i + 1)): ${saved[i]} is not twice ${start_case[i]}"
    nominal[i]=${saved[i]}
done
expect "$dir/enter.tvl" "${nominal[@]}"
type_into Etpe_nom "$Etpe_nom" ""
keys Return
poll 10 found '^Information$' || fail "no information box for the emptied field"
xdo windowfocus --sync "$win"
xdo key Return
poll 10 gone '^Information$' || fail "the information box stays open after Enter"
type_into Etpe_nom "$Etpe_nom" 75
save_as "$dir/after-box.tvl"
nominal[3]=75
expect "$dir/after-box.tvl" "${nominal[@]}"
quit Luk "$Luk"
step "all passed"
