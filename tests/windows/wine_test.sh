#!/usr/bin/env bash
# The Windows installer under wine, in a prefix of its own on a private X
# server, without network: silent install, files and registry, the command
# line against the Linux build's bytes, the window driven with xdotool,
# silent uninstall.
#   wine_test.sh SETUP.exe LINUX_TERVOL WORK_DIR
# WORK_DIR is made afresh; the screenshots stay in WORK_DIR/shots.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
[[ $# == 3 ]] || { echo "usage: $0 SETUP.exe LINUX_TERVOL WORK_DIR" >&2; exit 2; }
# No network: a network namespace of our own where we may make one.
if [[ -z ${TERVOL_WINE_TEST_NONET-} ]] && unshare -n true 2>/dev/null; then
  TERVOL_WINE_TEST_NONET=1 exec unshare -n "$0" "$@"
fi
setup="$(realpath "$1")" linux="$(realpath "$2")" work="$3"
rm -rf "$work" && mkdir -p "$work/shots" "$work/linux" && work="$(realpath "$work")"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver
program_files="$WINEPREFIX/drive_c/Program Files/Tervol"
exe='C:\Program Files\Tervol\tervol.exe' com='C:\Program Files\Tervol\tervol.com'
main_title='^Tervol Program ver\. 1\.2$'
xvfb='' gui=''

step() { echo "-- $*"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
cleanup() {
  [[ $gui ]] && kill "$gui" 2>/dev/null
  "$wineserver" -k 2>/dev/null || true
  [[ $xvfb ]] && kill "$xvfb" 2>/dev/null
  return 0
}
trap cleanup EXIT
poll() {
  local tenths=$(($1 * 10)) && shift
  for ((i = 0; i < tenths; i++)); do "$@" && return 0; sleep 0.1; done
  return 1
}
found() { win=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [[ $win ]]; }
gone() { ! found "$1"; }
shot() { import -window root "$work/shots/$1.png"; }
reg_value() { "$wine" reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'; }
# run_both OUT LOCALE ARG...: the installed tervol.com and the Linux build,
# run in the cases' folder; OUT.win, OUT.linux and their statuses.
run_both() {
  local out="$work/$1" locale="$2" && shift 2
  local status=0
  (cd "$here/cases" && LC_ALL="$locale" "$wine" "$com" "$@" >"$out.win" 2>"$out.win.err") || status=$?
  echo "$status" >"$out.win.status"
  status=0
  (cd "$here/cases" && env -u LANGUAGE LC_ALL="$locale" LANG="$locale" "$linux" "$@" >"$out.linux" \
    2>"$out.linux.err") || status=$?
  echo "$status" >"$out.linux.status"
}
same() {
  cmp -s "$work/$1.win" "$work/$1.linux" && cmp -s "$work/$1.win.status" "$work/$1.linux.status" ||
    fail "$2 differs from the Linux build: $(diff <(cat -A "$work/$1.linux") <(cat -A "$work/$1.win") | head -n 20)"
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
poll 10 test -s "$work/display" || fail "Xvfb took no display: $(cat "$work/xvfb.log")"
export DISPLAY=":$(<"$work/display")"

step "new wine prefix"
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w

step "silent install"
"$wine" "$setup" /S
"$wineserver" -w
expected_files=(
  Qt6Core.dll Qt6Gui.dll Qt6PrintSupport.dll Qt6Widgets.dll
  libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll
  platforms/qwindows.dll styles/qwindowsvistastyle.dll
  tervol.com tervol.exe uninstall.exe zlib1.dll
)
for file in "${expected_files[@]}"; do
  [[ -f $program_files/$file ]] || fail "the installer left out $file"
done
ls "$program_files" | grep -ci '^libxlsxwriter.*\.dll$' >/dev/null || fail "the installer left out libxlsxwriter"
ls "$program_files" | grep -ci '^.*qcustomplot.*\.dll$' >/dev/null || fail "the installer left out QCustomPlot"
[[ -f $WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Tervol.lnk ]] ||
  fail "no Start-menu entry"
objdump=x86_64-w64-mingw32-objdump
# (No `| grep -q` under pipefail: grep leaving early fails the writer.)
[[ $("$objdump" -p "$program_files/tervol.exe") == *'(Windows GUI)'* ]] || fail "tervol.exe is not a GUI program"
[[ $("$objdump" -p "$program_files/tervol.com") == *'(Windows CUI)'* ]] || fail "tervol.com is not a console program"
# Every DLL a shipped file loads is shipped beside the program or is Windows'
# own; none may come from whatever the user's PATH holds.
system32="$WINEPREFIX/drive_c/windows/system32"
while IFS= read -r -d '' file; do
  while IFS= read -r dll; do
    # API sets name no file: the loader maps them to Windows' own DLLs.
    [[ ${dll,,} == api-ms-win-* || ${dll,,} == ext-ms-* ]] && continue
    # Wine's system32 holds a zlib1.dll (Debian's MinGW zlib); Windows' has none.
    search=("$program_files")
    [[ ${dll,,} == zlib1.dll ]] || search+=("$system32")
    [[ -n $(find "${search[@]}" -maxdepth 1 -iname "$dll" -print -quit) ]] ||
      fail "${file#"$program_files/"} needs $dll, which the installer left out"
  done < <("$objdump" -p "$file" | tr -d '\r' | sed -n 's/^[[:space:]]*DLL Name: //p')
done < <(find "$program_files" -type f \( -iname '*.exe' -o -iname '*.com' -o -iname '*.dll' \) -print0)
for program in tervol.exe tervol.com; do
  (($(strings -el "$program_files/$program" | grep -cx '1\.2\.0') >= 2)) ||
    fail "$program carries no version resource 1.2.0 (file and product)"
done

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervol'
[[ $("$wine" reg query "$uninstall_key" /v UninstallString 2>/dev/null | tr -d '\r' |
  sed -n 's/^ *UninstallString *REG_SZ *//p') == '"C:\Program Files\Tervol\uninstall.exe"' ]] ||
  fail "Apps & features has no uninstall command for Tervol"

step "case-file association"
[[ $(reg_value 'HKLM\Software\Classes\.tvl') == Tervol.Case ]] || fail ".tvl is not Tervol's"
[[ $(reg_value 'HKLM\Software\Classes\Tervol.Case\shell\open\command') == "\"$exe\" \"%1\"" ]] ||
  fail "wrong open command: $(reg_value 'HKLM\Software\Classes\Tervol.Case\shell\open\command')"
[[ $(reg_value 'HKLM\Software\Classes\Tervol.Case\DefaultIcon') == "\"$exe\",1" ]] || fail "wrong case icon"

step "command line"
version="$("$wine" "$com" --version | tr -d '\r')"
[[ $version == "tervol 1.2.0" ]] || fail "--version says \"$version\""
for locale in C.UTF-8 da_DK.UTF-8; do
  for format in csv table json; do
    run_both "rate-$format-$locale" "$locale" rate --format "$format" startup.tvl glycol.tvl
    same "rate-$format-$locale" "rate --format $format in $locale"
  done
  run_both "rate-en-$locale" "$locale" rate --lang en startup.tvl missing.tvl
  same "rate-en-$locale" "rate --lang en with a missing case in $locale"
  run_both "study-$locale" "$locale" study startup.tvl --format csv
  same "study-$locale" "study in $locale"
done
[[ $(<"$work/rate-en-C.UTF-8.win.status") == 1 ]] || fail "a missing case does not give exit status 1"
# cmd runs `tervol` (tervol.com, which PATHEXT puts before tervol.exe), shows
# what it prints and hands on its exit status. Wine's cmd waits for a window
# program too, so the subsystems checked above are what tell the two apart.
printed="$(cd "$program_files" && "$wine" cmd /c 'tervol --version' | tr -d '\r')"
[[ $printed == "tervol 1.2.0" ]] || fail "\"tervol --version\" in cmd printed \"$printed\""
status=0
(cd "$program_files" && "$wine" cmd /c 'tervol --bogus' >/dev/null 2>&1) || status=$?
[[ $status == 2 ]] || fail "\"tervol --bogus\" in cmd gave status $status, not 2"
step "report"
(cd "$here/cases" && "$wine" "$com" report startup.tvl -o 'Z:'"${work//\//\\}"'\report.pdf')
pdfinfo "$work/report.pdf" >"$work/report.info"
grep -q '^Pages: *1$' "$work/report.info" || fail "the report is not one page"
grep -q '^Page size: *595 x 842 pts (A4)$' "$work/report.info" || fail "the report is not A4"
pdftotext -layout "$work/report.pdf" - | tr -s ' ' >"$work/report.txt"
for text in Forklaring Nominelle Aktuelle 55 0.560; do
  grep -qF -- "$text" "$work/report.txt" || fail "the report lacks \"$text\""
done

# open_window LOCALE COMMAND...: the command (in LOCALE) brings up the main
# window; $main is it, $X $Y its client area's top-left.
open_window() {
  local locale="$1" && shift
  (cd "$work" && LC_ALL="$locale" exec "$wine" "$@" 2>>"$work/window.err") &
  gui=$!
  poll 30 found "$main_title" || fail "no window titled \"Tervol Program ver. 1.2\" from $* in $locale"
  main=$win
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$main")"
}
close_window() {
  kill "$gui" 2>/dev/null || true
  "$wineserver" -k 2>/dev/null || true
  wait "$gui" 2>/dev/null || true
  gui=''
}
# click LEFT TOP: the middle of the command button there.
click() { xdotool mousemove --sync $((X + $1 + 60)) $((Y + $2 + 12)) click 1; }
# save_case FILE: "Gem som" into FILE, typed over the name the dialog offers.
save_case() {
  click 624 136
  poll 15 found '^(Save As|Gem som)$' || fail "Gem som opened no dialog"
  sleep 1
  xdotool windowfocus --sync "$win" key ctrl+a
  xdotool type --delay 20 "Z:${1//\//\\}"
  xdotool key Return
  poll 10 test -s "$1" || fail "Gem som wrote no case to $1"
  poll 5 gone '^(Save As|Gem som)$' || fail "the save dialog stays open"
}
# close_window_of TITLE WHAT: the window titled TITLE closes by Alt+F4, as
# from its title bar (the X server has no window manager to draw one).
close_window_of() {
  xdotool windowfocus --sync "$win" key alt+F4
  poll 5 gone "$1" || fail "Alt+F4 left $2 open"
}

step "window"
for locale in C.UTF-8 da_DK.UTF-8; do
  open_window "$locale" "$exe"
  shot "window-$locale"
  click 624 72  # Beregn Aktuel
  sleep 0.5
  save_case "$work/saved-$locale.tvl"
  expected="$here/cases/startup.tvl"
  if [[ $locale == da_DK.UTF-8 ]]; then
    expected="$work/startup-da.tvl" && tr . , <"$here/cases/startup.tvl" >"$expected"
  fi
  cmp "$work/saved-$locale.tvl" "$expected" || fail "Gem som in $locale saved other bytes than the Linux build"
  if [[ $locale == C.UTF-8 ]]; then
    click 624 200  # Hjælp
    poll 10 found '^Tervol .* Hj' || fail "Hjælp opened no help window"
    sleep 1 && shot help
    close_window_of '^Tervol .* Hj' "the help window"
    click 624 400  # Dellast
    poll 10 found 'Dellast$' || fail "Dellast opened no part-load window"
    sleep 2 && shot part-load
    close_window_of 'Dellast$' "the part-load window"
    click 624 432  # Fyringssæson
    poll 10 found 'Fyrings' || fail "Fyringssæson opened no heating-season window"
    sleep 2 && shot season
  fi
  close_window
done

step "a double-click on a case"
cp "$here/cases/glycol.tvl" "$work/double-click.tvl"
open_window C.UTF-8 start /unix "$work/double-click.tvl"
shot double-click
save_case "$work/double-click-saved.tvl"
cmp "$work/double-click-saved.tvl" "$here/cases/glycol.tvl" || fail "the case opened by the association is not glycol.tvl"
close_window

step "silent uninstall"
"$wine" "C:\\Program Files\\Tervol\\uninstall.exe" /S
"$wineserver" -w
[[ ! -e $program_files ]] || fail "the uninstaller left $(find "$program_files" | head -n 5)"
[[ ! -e $WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Tervol.lnk ]] ||
  fail "the Start-menu entry stays"
for key in '.tvl' 'Tervol.Case'; do
  ! "$wine" reg query "HKLM\\Software\\Classes\\$key" >/dev/null 2>&1 || fail "the association $key stays"
done
! "$wine" reg query "$uninstall_key" >/dev/null 2>&1 ||
  fail "the uninstall entry stays"
step "all passed; screenshots in $work/shots"
