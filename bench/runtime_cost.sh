#!/usr/bin/env bash
# What a news box costs the reader's browser, in headless Chromium: the default runtime, the light runtime on the
# compositor and on animation frames (its fallback without Web Animations), a CSS keyframe marquee of the same
# size and speed, the light runtime's first pass from below the box in Continuous mode, and the News fader,
# default and light. Prints layouts and style recalculations per second while the box moves, script and task
# time per second on screen, 3000 px out of view and in a hidden tab, and the column's speed with 10,000
# messages against its nominal speed; then PASS or MISS for each target of the light runtime on the compositor,
# of its first pass and of the light fader, and ends with 1 when one is missed. Takes about fourteen minutes
# with the default five runs.
#   bench/runtime_cost.sh [BUILD_FOLDER]    (default: build; RUNS=N sets the number of runs of each, default 5)
exec "$(dirname "${BASH_SOURCE[0]}")/chromium_bench.sh" runtime_cost.js "$@"
