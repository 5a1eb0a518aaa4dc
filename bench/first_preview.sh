#!/usr/bin/env bash
# The first preview: seconds from pressing "Preview" to the page's first frame on the screen, against a
# bare QWebEngineView program started and loading the same preview.html in the same run, on a virtual X
# display; and the wizard's resident memory after that preview window is closed against before the press.
# Passes when the ratio of times is at most 1.5, the ratio of memory at most 1.1 and the closed preview
# left no process behind.
#   bench/first_preview.sh [BUILD_FOLDER]    (RUNS=N sets the number of runs of each, default 7)
source "$(dirname "${BASH_SOURCE[0]}")/start_on_display.sh" "$@"
runs="${RUNS:-7}"
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

mkdir -p "$scratch/work"
timer="$build_dir/app/first_preview_timer"

# Each run is a fresh process, so each preview is the first of its program; the two kinds alternate.
# A wizard's line: seconds, KiB before the press, KiB after the close, processes left behind.
wizard_runs=() bare_times=()
"$timer" wizard "$scratch/work" >/dev/null
for _ in $(seq "$runs"); do
    wizard_runs+=("$("$timer" wizard "$scratch/work")")
    bare_times+=("$("$timer" bare "$scratch/work/preview.html")")
done
column_median() { printf '%s\n' "${@:2}" | awk -v c="$1" '{ print $c }' | median; }
wizard="$(column_median 1 "${wizard_runs[@]}")"
before="$(column_median 2 "${wizard_runs[@]}")"
after="$(column_median 3 "${wizard_runs[@]}")"
left="$(printf '%s\n' "${wizard_runs[@]}" | awk '{ n += $4 } END { print n + 0 }')"
bare="$(printf '%s\n' "${bare_times[@]}" | median)"
echo "first preview, press to first frame:   $wizard s (median of $runs)"
echo "bare QWebEngineView program, same page: $bare s (median of $runs)"
echo "wizard resident memory: $((before / 1024)) MiB before the first preview, $((after / 1024)) MiB after it closed"
awk -v w="$wizard" -v b="$bare" -v before="$before" -v after="$after" -v left="$left" 'BEGIN {
    printf "time ratio:   %.2f (limit 1.50)\n", w / b
    printf "memory ratio: %.2f (limit 1.10); processes left after closing: %d\n", after / before, left
    exit (w / b <= 1.5 && after / before <= 1.1 && left == 0) ? 0 : 1
}' && echo "PASS" || { echo "FAIL"; exit 1; }
