#!/usr/bin/env bash
# Cold start of the wizard to its first shown window, measured against a bare Qt dialog in the same run
# on a virtual X display. Passes when the wizard's median is at most 0.5 s and at most 1.5 times the
# dialog's, and when nothing of Qt WebEngine was running by the time the wizard showed.
#   bench/cold_start.sh [BUILD_FOLDER]    (default: build; RUNS=N sets the number of starts, default 15)
source "$(dirname "${BASH_SOURCE[0]}")/start_on_display.sh" "$@"
runs="${RUNS:-15}"

# The wizard's first run makes its working folder; every measured start is a later run, as most are.
mkdir -p "$XDG_DATA_HOME"
cd "$scratch"

timer="$build_dir/bench/first_window_timer"
wizard="$build_dir/app/marquetto"
dialog="$build_dir/bench/bare_dialog"

# The first start also tells whether the new X server answers yet.
warm_up() {
    for _ in 1 2 3 4 5; do "$timer" "$@" >/dev/null 2>&1 && return 0; sleep 0.5; done
    "$timer" "$@"
}

median_of_starts() {
    warm_up "$@" >/dev/null
    for _ in $(seq "$runs"); do "$timer" "$@"; done | median
}

wizard_result="$(median_of_starts "$wizard")"
dialog_result="$(median_of_starts "$dialog")"
wizard_seconds="${wizard_result%% *}"
dialog_seconds="${dialog_result%% *}"
web_engine_runs="$(for _ in 1 2 3; do "$timer" "$wizard"; done | grep -c webengine || true)"
[ -d "$XDG_DATA_HOME/marquetto/QtWebEngine" ] && web_engine_runs=$((web_engine_runs + 1))

echo "wizard:      $wizard_seconds s (median of $runs starts)"
echo "bare dialog: $dialog_seconds s (median of $runs starts)"
awk -v w="$wizard_seconds" -v d="$dialog_seconds" -v engine="$web_engine_runs" 'BEGIN {
    ratio = w / d
    printf "ratio:       %.2f (limit 1.50); limit 0.50 s; Qt WebEngine started: %s\n", ratio, (engine > 0) ? "yes" : "no"
    exit (w <= 0.5 && ratio <= 1.5 && engine == 0) ? 0 : 1
}' && echo "PASS" || { echo "FAIL"; exit 1; }
