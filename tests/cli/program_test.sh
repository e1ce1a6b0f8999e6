#!/usr/bin/env bash
# The built program's commands on a machine without a display or session, as
# from cron on a server: no DISPLAY, QT_QPA_PLATFORM or XDG_RUNTIME_DIR.
# Usage: program_test.sh TERVOL
set -u
prog=$1
dir=$(mktemp -d "${TMPDIR:-/tmp}/tervol-cli-XXXXXX")
trap 'rm -rf "$dir"' EXIT
failed=0
fail() { echo "FAILED: $*" >&2; failed=1; }
# run LOCALE ARGS...: status in $status, output in $dir/out and $dir/err.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u XDG_RUNTIME_DIR LC_ALL="$1" LANG="$1" \
        "$prog" "${@:2}" >"$dir/out" 2>"$dir/err"
    status=$?
}

# The start-up case as a Danish window saves it, with 55,5 kW in both states.
printf '%s\r\n' Vand Vand 55,5 70 40 65 35 1 1 30,0 30,0 1,602 1,599 5,00 11,00 \
    Vand Vand 55,5 73 63 30 33,0 40,0 33,0 0,560 0,824 1,199 1,451 5,78 9,52 >"$dir/komma.tvl"

# The locale's decimal separator reaches the calculation, as in the window;
# the CSV writes every number with ".".
run da_DK.UTF-8 rate --format csv "$dir/komma.tvl"
[[ $status == 0 && $(tail -n1 "$dir/out") == "$dir/komma.tvl,ok,,Vand,Vand,55.5,70,40,65,35,1,1,30.0,30.0,1.616,1.613,5.00,11.10,Vand,Vand,55.5,73,63,30,33.0,40.0,33.0,0.560,0.824,1.210,1.465,5.78,9.60"$'\r' ]] ||
    fail "rate in da_DK: $status $(cat "$dir/out" "$dir/err")"
[[ ! -s $dir/err ]] || fail "rate wrote diagnostics for a computed case: $(<"$dir/err")"
run C rate --format csv "$dir/komma.tvl"
[[ $status == 1 && $(<"$dir/err") == "tervol: $dir/komma.tvl: '55,5' is not a valid floating point value." ]] ||
    fail "rate in C: $status $(<"$dir/err")"

# The report: one A4 page with the case's values, in the locale's form.
run da_DK.UTF-8 report "$dir/komma.tvl" -o "$dir/report.pdf" --lang en
[[ $status == 0 && ! -s $dir/err ]] || fail "report: $status $(<"$dir/err")"
pdfinfo "$dir/report.pdf" >"$dir/info" 2>&1 || fail "report.pdf: $(<"$dir/info")"
grep -qx 'Pages: *1' "$dir/info" || fail "report.pdf has not one page: $(<"$dir/info")"
grep -qx 'Page size: *595 x 842 pts (A4)' "$dir/info" || fail "report.pdf is not A4: $(<"$dir/info")"
pdftotext -layout "$dir/report.pdf" "$dir/report.txt"
for row in 'Transferred heat +55,5 +kW +55,5 +kW' 'Primary outlet temperature +40 +°C +33,0 +°C' \
    'Primary flow +1,616 +m3/h +1,210 +m3/h' 'UA overall heat transfer coefficient +11,10 +kW/°C +9,60 +kW/°C'; do
    grep -Eq "$row" "$dir/report.txt" || fail "the report has no row /$row/: $(<"$dir/report.txt")"
done

# A calculation that stops writes no report.
run C report "$dir/komma.tvl" -o "$dir/stopped.pdf"
[[ $status == 1 && ! -e $dir/stopped.pdf ]] || fail "a stopped calculation: $status, $(ls "$dir")"
# Standard output checked to the last byte: a full device and a closed
# descriptor fail with a message (exit 1), a file size limit too; a reader
# that closes the pipe early ends the command quietly, without SIGPIPE.
cases=()
for i in $(seq 200); do cases+=("$dir/komma.tvl"); done
for lang in da en; do
    env -u DISPLAY LC_ALL=da_DK.UTF-8 "$prog" rate --lang $lang --format csv "$dir/komma.tvl" >/dev/full 2>"$dir/err"
    status=$?
    expected=$([[ $lang == da ]] && echo 'tervol: kan ikke skrive til standard output' || echo 'tervol: cannot write to standard output')
    [[ $status == 1 && $(<"$dir/err") == "$expected" ]] || fail "rate >/dev/full ($lang): $status $(<"$dir/err")"
done
env -u DISPLAY LC_ALL=da_DK.UTF-8 "$prog" study "$dir/komma.tvl" --format json >&- 2>"$dir/err"
[[ $? == 1 && $(<"$dir/err") == 'tervol: kan ikke skrive til standard output' ]] || fail "study >&-: $(<"$dir/err")"
(ulimit -f 1; env -u DISPLAY LC_ALL=da_DK.UTF-8 "$prog" rate --format csv "${cases[@]}" >"$dir/limited.csv" 2>"$dir/err"; echo $? >"$dir/status")
[[ $(<"$dir/status") == 1 && $(<"$dir/err") == 'tervol: kan ikke skrive til standard output' ]] ||
    fail "rate over RLIMIT_FSIZE: $(<"$dir/status") $(<"$dir/err")"
many=()
for i in $(seq 10); do many+=("${cases[@]}"); done
env -u DISPLAY LC_ALL=da_DK.UTF-8 "$prog" rate --format csv "${many[@]}" 2>"$dir/err" | head -c 10 >/dev/null
statuses=("${PIPESTATUS[@]}")
[[ ${statuses[0]} == 1 && ! -s $dir/err ]] || fail "rate | head: ${statuses[0]} $(<"$dir/err")"

# Without a display: a mistyped command is a usage error naming the nearest
# one, and the window says in one line that it cannot open.
run C reprot "$dir/komma.tvl"
[[ $status == 2 && $(head -n1 "$dir/err") == "tervol: unknown command 'reprot'; did you mean 'report'?" ]] ||
    fail "reprot: $status $(<"$dir/err")"
run C "$dir/komma.tvl"
[[ $status == 1 && $(wc -l <"$dir/err") == 1 && $(<"$dir/err") == "tervol: no display to show the window on"* ]] ||
    fail "the window without a display: $status $(<"$dir/err")"
run da_DK.UTF-8 "$dir/komma.tvl"
[[ $status == 1 && $(<"$dir/err") == "tervol: ingen skærm at vise vinduet på"* ]] ||
    fail "the window without a display in Danish: $status $(<"$dir/err")"
exit $failed
