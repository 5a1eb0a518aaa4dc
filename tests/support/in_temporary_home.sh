#!/usr/bin/env bash
# Runs one test program with a home and XDG folders of its own, made for this run and removed after it.
# A program under test must never write the user's real settings (Qt's file dialog keeps its history in
# ~/.config/QtProject.conf), and tests running side by side must not see each other's settings.
# Python writes no bytecode beside the suites' sources, so the work tree stays as it was.
set -uo pipefail

home=$(mktemp -d "${TMPDIR:-/tmp}/marquetto-test-home.XXXXXX") || exit 1
# A test may have taken write bits away inside its home; only then does the removal need them back.
remove_home() {
    rm -rf "$home" 2>/dev/null || { chmod -R u+w "$home" && rm -rf "$home"; }
}
trap remove_home EXIT

mkdir -m 700 "$home/.config" "$home/.local" "$home/.local/share" "$home/.local/state" "$home/.cache" \
    "$home/runtime"
export HOME=$home
export XDG_CONFIG_HOME=$home/.config
export XDG_DATA_HOME=$home/.local/share
export XDG_STATE_HOME=$home/.local/state
export XDG_CACHE_HOME=$home/.cache
export XDG_RUNTIME_DIR=$home/runtime
export PYTHONDONTWRITEBYTECODE=1

# In the foreground, so the program keeps the signals a terminal's Ctrl+C or CTest's limit sends it.
"$@"
