#!/usr/bin/env bash
# A packager builds without the tests: configuring with BUILD_TESTING=OFF must not look for GoogleTest or
# Google Benchmark (both are made unfindable here) and must leave no test or benchmark program to build.
set -uo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S "$source_dir" -B "$work" -G Ninja -DBUILD_TESTING=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >"$work.log" 2>&1 || {
    cat "$work.log"
    rm -f "$work.log"
    echo "FAIL: the configuration without tests needs a test library"
    exit 1
}
rm -f "$work.log"
targets=$(cmake --build "$work" --target help)
for wanted in marquetto marquetto-cli marquetto-preview; do
    grep -q "^$wanted:" <<<"$targets" || { echo "FAIL: no target $wanted"; exit 1; }
done
if grep -E -i '^[^:]*(test|bench)[^:]*:' <<<"$targets"; then
    echo "FAIL: test or benchmark programs are still built"
    exit 1
fi
echo "configured without GoogleTest and Google Benchmark"
