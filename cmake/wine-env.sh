# Sourced, not run: the environment of every Wine run, all of it inside the folder given as $1:
# the Wine prefix, and a home of its own with its XDG folders, so that nothing Wine writes
# (desktop entries and menus for the programs it installs, file associations, icons, caches)
# lands in the caller's home. Wine's menu builder, which writes those entries, is switched off
# besides; and Mono and Gecko are never offered, so nothing is installed into the prefix.
export WINEPREFIX=$1/prefix
export HOME=$1/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache
export XDG_STATE_HOME=$HOME/.local/state
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

# Makes the home's folders, before Wine's first start.
make_wine_home() {
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
}
