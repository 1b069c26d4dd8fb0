# What the scripts that photograph the real window (scripts/screenshot*) share. Sourced after
# they have set $root (the source tree) and $build (the build folder).

# Outside the virtual display: installs what is missing, builds, and runs the calling script
# again inside a virtual X server with a screen of the given size (WIDTHxHEIGHT) and the given
# arguments. Inside, it returns at once.
run_inside_display() {
    local screen="$1"
    shift
    if [ -z "${OSTREL_SCREENSHOT_INNER:-}" ]; then
        OSTREL_WITH_XVFB=1 "$root/scripts/install-deps"
        "$root/scripts/build" --dir "$build"
        export OSTREL_SCREENSHOT_INNER=1
        exec xvfb-run -a -s "-screen 0 ${screen}x24 -nolisten tcp" "$0" "$@"
    fi
}

# Inside: $app, the application built, and a home, settings, data and runtime folder of its
# own under $work, so that the user's settings are neither read nor changed; in English unless
# the caller exports another language afterwards. At exit, an application started as $pid is
# ended and $work removed.
prepare_private_home() {
    app="$build/src/gui/ostrel"
    [ -x "$app" ] || { echo "no application at $app" >&2; exit 1; }
    work="$(mktemp -d)"
    pid=""
    trap end_private_home EXIT
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
    export XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 LC_ALL=C.UTF-8
    mkdir -p "$HOME/Pictures" "$XDG_CONFIG_HOME/Ostrel" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

end_private_home() {
    if [ -n "${pid:-}" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
