#!/usr/bin/env bash
# `tervol report` writes its PDF whole or not at all, says why it could not,
# never replaces one of its own inputs and never waits on a print system.
# Usage: report_output_test.sh TERVOL
set -u
prog=$1
dir=$(mktemp -d "${TMPDIR:-/tmp}/tervol-report-XXXXXX")
chmod 755 "$dir"
listener=
trap '[[ $listener ]] && kill "$listener" 2>/dev/null; rm -rf "$dir"' EXIT
failed=0
fail() { echo "FAILED: $*" >&2; failed=1; }
# run ARGS...: status in $status, standard error in $err.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 "$@" 2>"$dir/err"
    status=$?
    err=$(<"$dir/err")
}
printf '%s\r\n' Vand Vand 55.5 70 40 65 35 1 1 30.0 30.0 1.602 1.599 5.00 11.00 \
    Vand Vand 55.5 73 63 30 33.0 40.0 33.0 0.560 0.824 1.199 1.451 5.78 9.52 >"$dir/case.tvl"
chmod 644 "$dir/case.tvl"
printf 'old report' >"$dir/old.pdf"

# A failed write names its cause and replaces nothing.
mkdir -m 555 "$dir/locked"
printf 'old report' >"$dir/locked/out.pdf"
chmod 644 "$dir/locked/out.pdf"
while IFS='|' read -r out lang expected; do
    run "$prog" report "$dir/case.tvl" -o "$out" --lang "$lang"
    [[ $status == 1 && $err == "tervol: $out: $expected" ]] || fail "-o $out: $status '$err'"
done <<EOF_CASES
/dev/full|en|the file cannot be written: the disk is full
/dev/full|da|filen kan ikke skrives: disken er fuld
$dir/no folder/out.pdf|en|the file cannot be written: no such folder
$dir|en|the file cannot be written: is a folder
EOF_CASES
# The PDF outgrows what the process may write (RLIMIT_FSIZE): the old one stays.
run bash -c 'trap "" XFSZ; ulimit -f 1; exec "$0" "$@"' "$prog" report "$dir/case.tvl" -o "$dir/old.pdf" --lang en
[[ $status == 1 && $err == "tervol: $dir/old.pdf: the file cannot be written: the file grows too large" ]] ||
    fail "RLIMIT_FSIZE: $status '$err'"
[[ $(<"$dir/old.pdf") == "old report" && $(ls -A "$dir" | wc -l) == 4 ]] || fail "RLIMIT_FSIZE left: $(ls -A "$dir")"
if ((EUID == 0)); then
    # A full file system of its own, in a mount namespace of the test's own; a
    # chroot whose root is no mount point cannot make one private, so there the
    # full disk is left to the file-size limit above.
    if unshare -m true 2>/dev/null; then
        run unshare -m bash -c 'mount -t tmpfs -o size=16k tmpfs "$1" && printf "old report" >"$1/out.pdf" &&
            "$0" report "$2" -o "$1/out.pdf" --lang en; s=$?; cat "$1/out.pdf" >"$3"; ls -A "$1" >"$3.ls"; exit $s' \
            "$prog" "$dir/locked" "$dir/case.tvl" "$dir/tmpfs"
        [[ $status == 1 && $err == "tervol: $dir/locked/out.pdf: the file cannot be written: the disk is full" ]] ||
            fail "full tmpfs: $status '$err'"
        [[ $(<"$dir/tmpfs") == "old report" && $(<"$dir/tmpfs.ls") == out.pdf ]] || fail "full tmpfs left $(<"$dir/tmpfs.ls")"
    else
        echo "report_output: no private mount namespace here; the full-tmpfs case is skipped"
    fi
    run setpriv --reuid=nobody --regid=nogroup --clear-groups "$prog" report "$dir/case.tvl" -o "$dir/locked/out.pdf"
    [[ $status == 1 && $err == "tervol: $dir/locked/out.pdf: filen kan ikke skrives: adgang nægtet" ]] ||
        fail "read-only folder: $status '$err'"
else
    run "$prog" report "$dir/case.tvl" -o "$dir/locked/out.pdf"
    [[ $status == 1 && $err == "tervol: $dir/locked/out.pdf: filen kan ikke skrives: adgang nægtet" ]] ||
        fail "read-only folder: $status '$err'"
fi
[[ $(<"$dir/locked/out.pdf") == "old report" && $(ls -A "$dir/locked") == out.pdf ]] || fail "the locked folder changed"

# The case itself, by any name, is never the output.
ln "$dir/case.tvl" "$dir/link.tvl"
cp "$dir/case.tvl" "$dir/case.before"
for out in "$dir/case.tvl" "$dir/link.tvl" "$dir/../$(basename "$dir")/case.tvl"; do
    run "$prog" report "$dir/case.tvl" -o "$out" --lang en
    [[ $status == 2 && $err == "tervol: $out: is the case file $dir/case.tvl" ]] || fail "-o $out: $status '$err'"
done
cmp -s "$dir/case.tvl" "$dir/case.before" || fail "the case was replaced"

# A print server that takes the connection and never answers is never asked.
port_file=$dir/port
python3 -c '
import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(16)
open(sys.argv[1], "w").write(str(s.getsockname()[1]))
held = []
while True:
    held.append(s.accept()[0])
' "$port_file" &
listener=$!
for _ in $(seq 50); do [[ -s $port_file ]] && break; sleep 0.1; done
start=$(date +%s%N)
run env CUPS_SERVER="127.0.0.1:$(<"$port_file")" timeout 20 "$prog" report "$dir/case.tvl" -o "$dir/new.pdf"
ms=$((($(date +%s%N) - start) / 1000000))
[[ $status == 0 && -z $err ]] || fail "with a silent print server: $status '$err'"
((ms < 5000)) || fail "with a silent print server the report took $ms ms"
[[ $(head -c 5 "$dir/new.pdf") == %PDF- ]] || fail "no PDF written"
pdfinfo "$dir/new.pdf" | grep -qx 'Page size: *595\(\.[0-9]*\)\? x 84[12]\(\.[0-9]*\)\? pts (A4)' || fail "not A4"
exit $failed
