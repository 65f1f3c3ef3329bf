# SPDX-License-Identifier: GPL-3.0-or-later
# The scripts' desktop session: desktop_begin makes a private scratch folder $desktop_scratch (with
# runtime/ in it); Xvfb, openbox, headless weston and any desktop_spawn COMMAND... then run in it,
# each server waited for (its log in the folder shown if it does not come up), and all are stopped,
# the last started first, when the script exits.
desktop_pids=()

desktop_stop() {
    local i
    for ((i = ${#desktop_pids[@]} - 1; i >= 0; i--)); do
        kill "${desktop_pids[i]}" 2>/dev/null || true
        wait "${desktop_pids[i]}" 2>/dev/null || true
    done
    rm -rf "$desktop_scratch"
}

desktop_begin() {
    desktop_scratch=$(mktemp -d)
    chmod 700 "$desktop_scratch"
    mkdir -m 700 "$desktop_scratch/runtime"
    trap desktop_stop EXIT
}

desktop_spawn() {
    "$@" &
    desktop_pids+=($!)
}

# Runs COMMAND until it succeeds, for at most 30 s and while the process started last lives.
desktop_wait_until() {  # NAME COMMAND...
    local name=$1 deadline=$((SECONDS + 30))
    shift
    until "$@"; do
        if ((SECONDS >= deadline)) || ! kill -0 "${desktop_pids[-1]}" 2>/dev/null; then
            echo "${0##*/}: $name did not come up; its log:" >&2
            cat "$desktop_scratch/$name.log" >&2
            exit 1
        fi
        sleep 0.1
    done
}

# Xvfb writes its display number once it accepts clients.
desktop_xvfb() {  # WIDTHxHEIGHT; exports DISPLAY
    desktop_spawn Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$desktop_scratch/display" \
        >"$desktop_scratch/Xvfb.log" 2>&1
    desktop_wait_until Xvfb test -s "$desktop_scratch/display"
    export DISPLAY=:$(head -n 1 "$desktop_scratch/display")
    unset WAYLAND_DISPLAY
}

# openbox runs its start-up command once it manages the screen.
desktop_openbox() {
    desktop_spawn openbox --sm-disable --startup "touch $desktop_scratch/openbox-ready" \
        >"$desktop_scratch/openbox.log" 2>&1
    desktop_wait_until openbox test -e "$desktop_scratch/openbox-ready"
}

# No idle time: the shell would lock the screen while a long run goes on.
desktop_weston() {  # SOCKET in $XDG_RUNTIME_DIR; exports WAYLAND_DISPLAY
    desktop_spawn weston --backend=headless-backend.so --socket="$1" --width=1280 --height=1024 \
        --idle-time=0 >"$desktop_scratch/weston.log" 2>&1
    desktop_wait_until weston test -S "$XDG_RUNTIME_DIR/$1"
    export WAYLAND_DISPLAY=$1
    unset DISPLAY
}
