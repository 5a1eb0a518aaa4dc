#!/usr/bin/env bash
# The browser edition's figures: the page's download gzipped, a cold load to the first preview on loopback in
# headless Chromium, an edit to its new preview, and the generation of 1,000 messages by the WebAssembly core
# (in Node and in Chromium) against the native marquetto-cli; PASS or MISS against each target, ending with 1
# when one is missed.
#   bench/web_edition.sh [BUILD_FOLDER]    (default: build; RUNS=N runs of each, default 9)
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$(cd "${1:-$root_dir/build}" && pwd)"

if [ ! -d "$root_dir/tests/browser/node_modules/puppeteer-core" ]; then
    echo "puppeteer-core is missing: run scripts/setup (or npm ci in tests/browser) first" >&2
    exit 2
fi
if [ ! -f "$build_dir/web/marquetto-core.wasm" ]; then
    echo "\"$build_dir/web\" holds no browser edition: build with emscripten installed first" >&2
    exit 2
fi
export MARQUETTO_CLI="$build_dir/app/marquetto-cli"
export MARQUETTO_WEB="$build_dir/web"
exec node "$root_dir/bench/web_edition.js"
