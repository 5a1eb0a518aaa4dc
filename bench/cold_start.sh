#!/usr/bin/env bash
# Cold start of the wizard to its first shown window, measured against a bare Qt dialog in the same run
# on a virtual X display. Passes when the wizard's median start is at most 0.5 s and at most 1.2 times the
# dialog's, its resident memory then at most 1.5 times the dialog's, and nothing of Qt WebEngine was
# loaded in it or running beside it by the time it showed.
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

# One line a start: seconds, resident KiB and, if it ran, "webengine"; the two kinds alternate.
warm_up "$wizard" >/dev/null
warm_up "$dialog" >/dev/null
wizard_starts=() dialog_starts=()
for _ in $(seq "$runs"); do
    wizard_starts+=("$("$timer" "$wizard")")
    dialog_starts+=("$("$timer" "$dialog")")
done
column_median() { printf '%s\n' "${@:2}" | awk -v c="$1" '{ print $c }' | median; }
wizard_seconds="$(column_median 1 "${wizard_starts[@]}")"
dialog_seconds="$(column_median 1 "${dialog_starts[@]}")"
wizard_kib="$(column_median 2 "${wizard_starts[@]}")"
dialog_kib="$(column_median 2 "${dialog_starts[@]}")"
web_engine_runs="$(printf '%s\n' "${wizard_starts[@]}" | grep -c webengine || true)"
[ -d "$XDG_DATA_HOME/marquetto/QtWebEngine" ] && web_engine_runs=$((web_engine_runs + 1))

echo "wizard:      $wizard_seconds s, $((wizard_kib / 1024)) MiB resident (median of $runs starts)"
echo "bare dialog: $dialog_seconds s, $((dialog_kib / 1024)) MiB resident (median of $runs starts)"
awk -v w="$wizard_seconds" -v d="$dialog_seconds" -v wm="$wizard_kib" -v dm="$dialog_kib" \
    -v engine="$web_engine_runs" 'BEGIN {
    printf "start ratio:  %.2f (limit 1.20); limit 0.50 s\n", w / d
    printf "memory ratio: %.2f (limit 1.50); Qt WebEngine loaded or started: %s\n", wm / dm, (engine > 0) ? "yes" : "no"
    exit (w <= 0.5 && w / d <= 1.2 && wm / dm <= 1.5 && engine == 0) ? 0 : 1
}' && echo "PASS" || { echo "FAIL"; exit 1; }
