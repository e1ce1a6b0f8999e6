# Sourced first by an end-to-end script that needs a D-Bus session of its own
# (the accessibility bus lives there): runs the script again inside a fresh
# session, with a private runtime folder for the bus launcher's socket so that
# parallel runs stay apart, and exits with its status.
if [[ -z ${TERVOL_DBUS_SESSION:-} ]]; then
    runtime=$(mktemp -d "${TMPDIR:-/tmp}/tervol-dbus-XXXXXX")
    TERVOL_DBUS_SESSION=1 XDG_RUNTIME_DIR=$runtime dbus-run-session -- bash "${BASH_SOURCE[1]}" "$@"
    status=$?
    rm -rf "$runtime"
    exit $status
fi
