#!/usr/bin/env bash
# The first preview: seconds from pressing "Preview" to the page's first frame on the screen, against a
# bare QWebEngineView loading the same preview.html in the same run, on a virtual X display.
#   bench/first_preview.sh [BUILD_FOLDER]    (RUNS=N sets the number of runs of each, default 7)
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$(cd "${1:-$root_dir/build}" && pwd)"
runs="${RUNS:-7}"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build_dir"
fi
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch/data" XDG_CACHE_HOME="$scratch/cache" XDG_CONFIG_HOME="$scratch/config"
mkdir -p "$scratch/work"
timer="$build_dir/app/first_preview_timer"

median() { sort -n | awk '{ all[NR] = $0 } END { print all[int((NR + 1) / 2)] }'; }

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
