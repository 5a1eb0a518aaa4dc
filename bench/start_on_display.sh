# The start that the benchmark scripts share, sourced with the script's own arguments:
#   source "$(dirname "${BASH_SOURCE[0]}")/start_on_display.sh" "$@"
# Sets $build_dir (the first argument, default build), runs the script again under xvfb-run when there is no
# X display, and gives it $scratch, a folder removed when the script ends that holds the programs' data,
# config and cache folders, so that no run reads what a run before it left.
set -euo pipefail
build_dir="$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/../build}" && pwd)"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build_dir"
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"

# The median of the lines on standard input, ordered by the number each begins with.
median() { sort -n | awk '{ all[NR] = $0 } END { print all[int((NR + 1) / 2)] }'; }
