#!/usr/bin/env bash
# The other decimal mark stands for the locale's: a primary pressure loss of
# "0,25" in C, "0.20" in Danish; the actual one at 0.560 bar for 1 bar follows.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

for locale in C da_DK.UTF-8; do
    start "$locale"
    expected=("${start_case[@]}")
    if [[ $locale == C ]]; then
        typed=0,25 expected[7]=0.25 expected[24]=0.140
    else
        expected=("${expected[@]//./,}")
        typed=0.20 expected[7]=0,20 expected[24]=0,112
    fi
    type_into EPp_nom "$(field 0 7)" "$typed"
    click "Beregn Aktuel" "$BeregnAktuel"
    save_as "$dir/mark-$locale.tvl"
    expect "$dir/mark-$locale.tvl" "${expected[@]}"
    quit Escape Escape
done
step "all passed"
