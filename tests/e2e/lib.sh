# Sourced by every end-to-end script: the built program ($1) on an X server of
# its own, clicked where the window's design draws each control, never where
# the program says its widgets are.
set -u
prog=$1
dir=$(mktemp -d "${TMPDIR:-/tmp}/tervol-e2e-XXXXXX")
xvfb='' pid='' runs=0
cleanup() {
    [[ $pid ]] && kill -9 "$pid" 2>/dev/null
    [[ $xvfb ]] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

step() { echo "e2e: $*" >&2; }
fail() { echo "e2e FAILED: $*" >&2; exit 1; }
alive() { [[ $pid ]] && kill -0 "$pid" 2>/dev/null || fail "Tervol has ended"; }
# poll SECONDS COMMAND...: true once COMMAND is, false at the deadline.
poll() {
    local end=$((${EPOCHREALTIME/./} + $1 * 1000000))
    until "${@:2}"; do ((${EPOCHREALTIME/./} < end)) && sleep 0.02 || return 1; done
}
xdo() { timeout 10 xdotool "$@" >/dev/null || fail "xdotool $*"; }
# found REGEX: a visible window with that title, its id left in $win.
found() { alive; win=$(timeout 10 xdotool search --onlyvisible --name "$1" | head -n1); [[ $win ]]; }
gone() { ! found "$1"; }
ended() { ! kill -0 "$pid" 2>/dev/null; }
only_main() { [[ $(timeout 10 xdotool search --onlyvisible --class .) == "$main" ]]; }
lines_in() { [[ -f $1 && $(tr -cd '\n' <"$1" | wc -c) -ge $2 ]]; }

# Client-area "left top width height" from the window's design: the nominal
# group at x 13 and the actual one at 317 hold their fields 219 and 221 in,
# rows from y 57 every 26 pixels; the command buttons stand at x 624.
field() { echo $(($1 == 0 ? 13 + 219 : 317 + 221)) $((37 + 20 + 26 * $2)) 60 21; }
button() { echo 624 "$1" 121 25; }
EQ_nom=$(field 0 2) EQ=$(field 1 2)
BeregnAktuel=$(button 72) GemSom=$(button 136) Luk=$(button 232)
DanishFlag="648 272 73 49" UnionFlag="648 328 73 49"
main_title='^Tervol Program ver\. 1\.2$'

# The case the window shows after start, and a stored one unlike it.
start_case=(Vand Vand 55 70 40 65 35 1 1 30.0 30.0 1.602 1.599 5.00 11.00
    Vand Vand 55 73 63 30 33.0 40.0 33.0 0.560 0.824 1.199 1.451 5.78 9.52)
stored=(Glykol Vand 80 75 45 60 30 0.5 0.8 30.0 30.0 2.500 2.300 14.4 5.55
    Vand Glykol 60 72 58 28 40.1 31.9 30.0 0.300 0.700 1.800 1.700 12.0 5.00)

Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
poll 10 lines_in "$dir/display" 1 || fail "Xvfb took no display: $(cat "$dir/xvfb.log")"
display=:$(<"$dir/display")

# start LOCALE [ARG...]: a fresh Tervol, $X $Y its client area's top-left; no
# QT_* setting of the caller's but the plugin paths moves the controls.
start() {
    local home=$dir/run$((++runs))
    mkdir -p "$home"/{config,cache,runtime} && chmod 700 "$home/runtime"
    step "start Tervol in locale $1"
    (
        for v in $(compgen -e); do
            [[ $v == QT_* && $v != QT_PLUGIN_PATH && $v != QT_QPA_PLATFORM_PLUGIN_PATH ]] && unset "$v"
        done
        exec env -u LANGUAGE DISPLAY="$display" QT_QPA_PLATFORM=xcb LC_ALL="$1" LANG="$1" \
            XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" "$prog" "${@:2}"
    ) &
    pid=$!
    export DISPLAY=$display
    poll 10 found "$main_title" || fail "no main window appeared"
    main=$win
    [[ $(xdotool search --onlyvisible --name "$main_title" | wc -l) == 1 ]] ||
        fail "more than one window carries the main window's title"
    eval "$(timeout 10 xdotool getwindowgeometry --shell "$main")"
    ((WIDTH >= 624 + 121 && HEIGHT >= 37 + 449)) || fail "client area ${WIDTH}x$HEIGHT cannot hold the controls"
}

click() {
    local l t w h && read -r l t w h <<<"$2" && step "click $1"
    xdo mousemove $((X + l + w / 2)) $((Y + t + h / 2)) click 1
}
keys() { step "keys $*"; xdo windowfocus --sync "$main"; xdo key --delay 20 "$@"; }
# type_into NAME FIELD TEXT: replaces the field's text (Ctrl+A cannot select:
# the field's key filter drops control characters).
type_into() {
    xdo windowfocus --sync "$main" && click "$1" "$2" && xdo key --delay 20 End shift+Home BackSpace
    [[ $3 ]] && xdo type --delay 10 -- "$3"
}
# enter TITLE WHAT [TEXT]: the window titled TITLE shows, takes TEXT typed
# over its own and closes by Enter, leaving no other window open.
enter() {
    poll 10 found "$1" || fail "no window \"$1\": $2 (shown: $(timeout 10 xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | paste -sd'|'))"
    xdo windowfocus --sync "$win"
    [[ ${3-} ]] && xdo key ctrl+a && xdo type --delay 10 -- "$3"
    xdo key Return
    poll 10 gone "$1" || fail "\"$1\" stays open after Enter: $2"
    poll 1 only_main || fail "a window other than the main one stays open: $2"
}
# The dialog is Qt's, titled in the window's language ("Åbn", found by its ASCII end).
open_case() { click "Hent sag" "$(button 104)"; enter '^Open$|bn$' "Hent sag" "$1"; }
# save_as PATH [OFFERED]: Gem som to PATH, typed or taken as offered.
save_as() {
    click "Gem som" "$GemSom"
    enter '^(Save As|Gem som)$' "Gem som" "${2-$1}"
    poll 10 lines_in "$1" 30 || fail "Gem som wrote no whole case to $1"
}
# expect FILE LINE...: the file holds exactly these lines, each ending CR LF.
expect() { diff <(printf '%s\r\n' "${@:2}" | cat -A) <(cat -A "$1") >&2 || fail "$1 differs (-expected +saved)"; }
# quit NAME KEY-OR-CONTROL: the program ends by it within 3 s with status 0.
quit() {
    if [[ $2 == *' '* ]]; then click "$1" "$2"; else keys "$2"; fi
    poll 3 ended || fail "Tervol still runs 3 s after $1"
    wait "$pid" && pid='' || fail "Tervol ended with status $? after $1"
}
