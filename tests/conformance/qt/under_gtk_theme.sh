#!/usr/bin/env bash
# Runs a Qt test program under Qt's GTK platform theme, the one GNOME, Xfce and Cinnamon load.
# The theme starts GTK, which needs an X display even where Qt draws offscreen, so a private
# X server (on a free display) serves the run and ends with it.
#   under_gtk_theme.sh program [arguments...]
set -euo pipefail

work=$(mktemp -d)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || { echo "under_gtk_theme.sh: Xvfb did not start" >&2; exit 1; }

export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME=gtk3
# Without its own settings GTK reads the user's; the run has a home of its own, so it draws in
# GTK's own default font whoever runs it.
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
# GTK and the libraries it starts (GLib, D-Bus) keep some allocations for the life of the
# process; a sanitizer build counts only the program's own leaks.
printf '%s\n' leak:libgtk-3 leak:libgdk-3 leak:libglib leak:libgobject leak:libgio leak:libdbus \
    leak:libfontconfig >"$work/leaks.supp"
export LSAN_OPTIONS="suppressions=$work/leaks.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# The dynamic loader names every library it opens: the run counts only if the theme was one.
status=0
LD_DEBUG=files LD_DEBUG_OUTPUT="$work/loaded" "$@" || status=$?
if ! grep -q 'file=.*/libqgtk3\.so ' "$work"/loaded.*; then
    echo "under_gtk_theme.sh: Qt did not load its GTK platform theme" >&2
    exit 1
fi
exit "$status"
