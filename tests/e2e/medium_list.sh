#!/usr/bin/env bash
# A list that shows water never computes the glycol mixture: "x" in the
# primary list, recorded by "Beregn Nominel", then water typed or picked; the
# British flag restores the recorded no-selection, so the next calculation
# asks for the medium and computes nothing.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

Primery=$(field 0 0) BeregnNominel=$(button 40)
for how in typed picked; do
    start C
    type_into Primery "$Primery" x
    click "Beregn Nominel" "$BeregnNominel"
    if [[ $how == typed ]]; then type_into Primery "$Primery" Vand; else click Primery "$Primery" && keys Down; fi
    save_as "$dir/$how-water.tvl"
    [[ $(head -n1 "$dir/$how-water.tvl") == $'Vand\r' ]] || fail "$how: the list does not show Vand"
    click "the Union flag" "$UnionFlag"
    type_into EQ_nom "$EQ_nom" 110 # a calculation would change the flows
    save_as "$dir/$how-before.tvl"
    [[ $(head -n1 "$dir/$how-before.tvl") == $'\r' ]] || fail "$how: the list still shows a text after the flag"
    click "Calculate nominal" "$BeregnNominel"
    enter '^Information$' "$how: Calculate nominal without a medium"
    save_as "$dir/$how-after.tvl"
    cmp "$dir/$how-before.tvl" "$dir/$how-after.tvl" || fail "$how: Calculate nominal computed without a medium"
    quit Escape Escape
done
step "all passed"
