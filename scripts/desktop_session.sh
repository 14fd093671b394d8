# Sourced, not run: a private desktop for a script that drives the real Linux program — an X
# server (Xvfb) on a free display under the openbox window manager, whose title bars and focus
# rules are a real desktop's. Sets DISPLAY, a scratch folder $work, and $pids, whose processes
# (add the ones you start) are ended, and $work removed, when the script exits.
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
# The window manager is ready once it names itself on the root window; before that, a request
# to activate a window is refused.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
