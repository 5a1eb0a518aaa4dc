#!/usr/bin/env bash
# Starts the built wizard on a virtual display with a read-only project named on its command line and
# presses Save Project. Expected: a message box that names the file and says it is read-only, and the
# file exactly as it was (not replaced, still read-only).
set -uo pipefail
wizard=$1
source "$(dirname "$0")/../support/wizard_on_xvfb.sh"

write_project locked.tkp kept_
chmod 444 "$project"
before=$(cat "$project")

start_wizard_with "$wizard" locked.tkp

# The message box is the window titled "Marquetto".
message_box() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$wizard_pid" --name 'Marquetto'); do
        [ "$(xdotool getwindowname "$id")" = Marquetto ] && return 0
    done
    return 1
}
press_save_project_until message_box
message_box || { echo "FAIL: Save Project on a read-only project showed no message"; exit 1; }
[ "$(cat "$project")" = "$before" ] || { echo "FAIL: the read-only project was changed"; exit 1; }
[ ! -w "$project" ] || [ "$(stat -c %a "$project")" = 444 ] || { echo "FAIL: the project is no longer read-only"; exit 1; }
[ "$(ls -A "$work/designs")" = locked.tkp ] || { echo "FAIL: something was left beside the project:"; ls -A "$work/designs"; exit 1; }
echo "Save Project on a read-only project showed a message and left the file as it was"
