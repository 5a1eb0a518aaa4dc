#!/usr/bin/env bash
# What live messages cost the reader's browser, in headless Chromium: the swap to 10 and to 1,000 messages in the
# default runtime and the light runtime on the compositor (the taking of the fetched file, the swap, the longest
# frame around it), the script the option adds between fetches, and whether the light box stays on the
# compositor after a swap. Prints PASS or MISS for each target and ends with 1 when one is missed. Takes about
# six minutes with the default three runs.
#   bench/live_messages.sh [BUILD_FOLDER]    (default: build; RUNS=N sets the number of runs of each, default 3)
exec "$(dirname "${BASH_SOURCE[0]}")/chromium_bench.sh" live_messages.js "$@"
