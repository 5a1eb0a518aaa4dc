#!/usr/bin/env bash
# The first preview: seconds from pressing "Preview" to the page's first frame on the screen, against a
# bare QWebEngineView loading the same preview.html in the same run, on a virtual X display.
#   bench/first_preview.sh [BUILD_FOLDER]    (RUNS=N sets the number of runs of each, default 7)
source "$(dirname "${BASH_SOURCE[0]}")/start_on_display.sh" "$@"
runs="${RUNS:-7}"
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

mkdir -p "$scratch/work"
timer="$build_dir/app/first_preview_timer"

# Each run is a fresh process, so each preview is the first of its program; the two kinds alternate.
wizard_times=() bare_times=()
"$timer" wizard "$scratch/work" >/dev/null
for _ in $(seq "$runs"); do
    wizard_times+=("$("$timer" wizard "$scratch/work")")
    bare_times+=("$("$timer" bare "$scratch/work/preview.html")")
done
wizard="$(printf '%s\n' "${wizard_times[@]}" | median)"
bare="$(printf '%s\n' "${bare_times[@]}" | median)"
echo "first preview, press to first frame: $wizard s (median of $runs)"
echo "bare QWebEngineView, same page:      $bare s (median of $runs)"
awk -v w="$wizard" -v b="$bare" 'BEGIN { printf "ratio: %.2f\n", w / b }'
