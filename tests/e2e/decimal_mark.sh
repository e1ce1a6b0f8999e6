#!/usr/bin/env bash
# The other decimal mark is the locale's thousands separator and is dropped as
# typed: a primary pressure loss typed "0,25" in C is 025, "0.20" in Danish
# 020; the actual one (0.560 bar for 1 bar) follows the number computed.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

for locale in C da_DK.UTF-8; do
    start "$locale"
    expected=("${start_case[@]}")
    if [[ $locale == C ]]; then
        typed=0,25 expected[7]=025 expected[24]=14.009
    else
        expected=("${expected[@]//./,}")
        typed=0.20 expected[7]=020 expected[24]=11,207
    fi
    type_into EPp_nom "$(field 0 7)" "$typed"
    click "Beregn Aktuel" "$BeregnAktuel"
    save_as "$dir/mark-$locale.tvl"
    expect "$dir/mark-$locale.tvl" "${expected[@]}"
    quit Escape Escape
done
step "all passed"
