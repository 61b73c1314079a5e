# A private headless desktop for the accessibility checks: Xvfb on a free
# display, a session bus of its own (the AT-SPI bus starts from it), a
# private runtime folder and the openbox window manager (without one, focus
# and Orca's focus tracking misbehave). Source this file, then
#   start_desktop_session     exports DISPLAY, DBUS_SESSION_BUS_ADDRESS and
#                             XDG_RUNTIME_DIR; everything it starts ends
#                             with stop_desktop_session (called on EXIT)
# Needs: xvfb, dbus-x11 (dbus-launch), openbox, at-spi2-core.

desktop_session_pids=()

start_desktop_session() {
    desktop_session_dir=$(mktemp -d)
    chmod 700 "$desktop_session_dir"
    trap stop_desktop_session EXIT

    local number started=""
    for number in $(shuf -i 110-199); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1920x1200x24 -nolisten tcp >"$desktop_session_dir/xvfb.log" 2>&1 &
        desktop_session_pids+=($!)
        sleep 1
        if kill -0 "${desktop_session_pids[-1]}" 2>/dev/null; then
            started=$number
            break
        fi
    done
    if [ -z "$started" ]; then
        echo "error: no free display for Xvfb" >&2
        return 1
    fi
    export DISPLAY=":$started"
    export XDG_RUNTIME_DIR="$desktop_session_dir/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    eval "$(dbus-launch --sh-syntax)"
    desktop_session_pids+=("$DBUS_SESSION_BUS_PID")
    openbox >"$desktop_session_dir/openbox.log" 2>&1 &
    desktop_session_pids+=($!)
    sleep 1
}

stop_desktop_session() {
    local pid
    # Last started first: the window manager, the session bus (the AT-SPI
    # bus it started ends with it), then the X server.
    for ((i = ${#desktop_session_pids[@]} - 1; i >= 0; i--)); do
        pid=${desktop_session_pids[i]}
        kill "$pid" 2>/dev/null || true
    done
    desktop_session_pids=()
    [ -n "${desktop_session_dir:-}" ] && rm -rf "$desktop_session_dir"
}
