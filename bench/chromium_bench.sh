#!/usr/bin/env bash
# Runs a benchmark that drives headless Chromium through puppeteer-core, bench/SCRIPT, with the marquetto-cli of
# a build to generate its boxes.
#   bench/chromium_bench.sh SCRIPT [BUILD_FOLDER]    (default: build)
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
script="$root_dir/bench/$1"
build_dir="$(cd "${2:-$root_dir/build}" && pwd)"

if [ ! -d "$root_dir/tests/browser/node_modules/puppeteer-core" ]; then
    echo "puppeteer-core is missing: run scripts/setup (or npm ci in tests/browser) first" >&2
    exit 2
fi
export MARQUETTO_CLI="$build_dir/app/marquetto-cli"
exec node "$script"
