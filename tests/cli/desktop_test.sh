#!/usr/bin/env bash
# The Debian package opens case files from the desktop: its desktop entry and
# MIME type are valid, and once the package is unpacked into a private root
# (never the machine's /usr) the desktop's look-up names Tervol for *.tvl.
# Usage: desktop_test.sh BUILD_DIR SOURCE_DIR
set -u
build=$1 src=$2
dir=$(mktemp -d "${TMPDIR:-/tmp}/tervol-desktop-XXXXXX")
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

desktop-file-validate "$src/packaging/tervol.desktop" || fail "desktop-file-validate"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$dir/cpack" >"$dir/cpack.log" 2>&1 ||
    fail "cpack: $(tail -n 20 "$dir/cpack.log")"
dpkg -x "$(ls "$dir"/cpack/*.deb)" "$dir/root" || fail "dpkg -x: no package"
share=$dir/root/usr/share
desktop-file-validate "$share/applications/tervol.desktop" || fail "desktop-file-validate (installed)"
# What the package's triggers do on a real installation.
XDG_DATA_DIRS="$share" update-mime-database "$share/mime" >"$dir/mime.log" 2>&1 || fail "update-mime-database: $(<"$dir/mime.log")"
update-desktop-database "$share/applications" || fail "update-desktop-database"
grep -qx 'application/x-tervol-case:\*\.tvl' "$share/mime/globs" || fail "no *.tvl glob: $(cat "$share/mime/globs")"
type=$share/mime/application/x-tervol-case.xml
grep -q '<comment>Tervol heat exchanger case</comment>' "$type" || fail "no English comment: $(<"$type")"
grep -q '<comment xml:lang="da">Tervol vekslersag</comment>' "$type" || fail "no Danish comment: $(<"$type")"

mkdir -p "$dir/home/.local/share" "$dir/home/.config"
default=$(env -i PATH="$PATH" HOME="$dir/home" XDG_DATA_DIRS="$share:/usr/share" xdg-mime query default application/x-tervol-case)
[[ $default == tervol.desktop ]] || fail "xdg-mime names '$default' for application/x-tervol-case"
echo "ok: xdg-mime query default application/x-tervol-case = $default"
