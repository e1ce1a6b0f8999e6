# lib.sh for a script that asks the accessibility bus: the script runs again in
# a D-Bus session of its own, where the bus starts before the program does.
if [[ -z ${TERVOL_DBUS_SESSION:-} ]]; then
    runtime=$(mktemp -d "${TMPDIR:-/tmp}/tervol-dbus-XXXXXX")
    TERVOL_DBUS_SESSION=1 XDG_RUNTIME_DIR=$runtime dbus-run-session -- bash "${BASH_SOURCE[1]}" "$@"
    status=$?
    rm -rf "$runtime"
    exit $status
fi
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
walker=(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessibility.py")
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    fail "no accessibility bus"
# Qt leaves accessibility off unless a screen reader has asked for it.
printf '#!/bin/sh\nQT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "%s" "$@"\n' "$prog" >"$dir/tervol"
chmod +x "$dir/tervol"
prog=$dir/tervol
