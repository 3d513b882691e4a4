#!/usr/bin/env bash
# Runs COMMAND where a screen reader would meet it: on a private Xvfb, in a
# D-Bus session with the AT-SPI bus and its registry, Qt's bridge switched on.
#   tests/a11y/atspi-session.sh COMMAND [ARGS...]
# Exits 77 (skipped) when the server or the bus cannot start, else with
# COMMAND's status.
set -uo pipefail

skip() { echo "SKIPPED: $*" >&2; exit 77; }

if [[ ${1:-} == --inside ]]; then
    shift
    touch "$ATSPI_LOG/inside"
    # Asking for the bus's address starts it, as in a desktop session.
    address=
    for _ in $(seq 50); do
        address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress 2>"$ATSPI_LOG/bus.log" | tr -d ' ')
        [[ -n $address ]] && break
        sleep 0.1
    done
    [[ -n $address ]] || { cat "$ATSPI_LOG/bus.log" >&2; skip "the AT-SPI bus did not start"; }
    "$ATSPI_REGISTRYD" >"$ATSPI_LOG/registryd.log" 2>&1 &
    registryd_pid=$!
    "$@"
    status=$?
    kill "$registryd_pid" 2>/dev/null
    wait "$registryd_pid" 2>/dev/null
    exit $status
fi

(($# > 0)) || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
for tool in Xvfb xauth xdpyinfo mcookie dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh)"
done
ATSPI_REGISTRYD=
for dir in /usr/libexec /usr/lib/at-spi2-core /usr/lib/*/at-spi2-core; do
    [[ -x $dir/at-spi-bus-launcher && -x $dir/at-spi2-registryd ]] || continue
    ATSPI_REGISTRYD=$dir/at-spi2-registryd
    break
done
[[ -n $ATSPI_REGISTRYD ]] || skip "the AT-SPI bus is not installed (package at-spi2-core)"
ATSPI_LOG=$(mktemp -d)
export ATSPI_REGISTRYD ATSPI_LOG
xvfb_pid=
trap '[[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null; rm -rf "$ATSPI_LOG"' EXIT

# The run's own X server on a display it picks itself (-displayfd), open only
# to this run's cookie. -noreset: a reset when the bus launcher leaves would
# drop connecting clients and the bus address on the root window.
export XAUTHORITY=$ATSPI_LOG/xauthority
cookie=$(mcookie)
xauth -q -f "$ATSPI_LOG/server-auth" add :0 . "$cookie" || skip "xauth cannot write a cookie"
display=
for _ in 1 2 3; do
    : >"$ATSPI_LOG/display"
    Xvfb -displayfd 3 -auth "$ATSPI_LOG/server-auth" -noreset -nolisten tcp \
        -screen 0 1280x1024x24 3>"$ATSPI_LOG/display" 2>>"$ATSPI_LOG/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 200); do
        display=$(cat "$ATSPI_LOG/display")
        [[ -n $display ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    if [[ -n $display ]]; then
        xauth -q add ":$display" . "$cookie"
        # The server on the display is this run's if it takes the cookie.
        DISPLAY=:$display xdpyinfo >/dev/null 2>>"$ATSPI_LOG/xvfb.log" && break
    fi
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid= display=
done
[[ -n $display ]] || { cat "$ATSPI_LOG/xvfb.log" >&2; skip "Xvfb did not start"; }
export XDG_RUNTIME_DIR=$ATSPI_LOG/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

export DISPLAY=:$display QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
dbus-run-session -- "$0" --inside "$@" 2>"$ATSPI_LOG/session.log"
status=$?
grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' \
    "$ATSPI_LOG/session.log" >&2
[[ -e $ATSPI_LOG/inside ]] || skip "no D-Bus session could start (dbus-run-session: $status)"
exit $status
