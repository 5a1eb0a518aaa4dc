#!/usr/bin/env bash
# Starts the built wizard on a virtual display with a project named on its command line, presses
# Save Project, and expects the project to be written back to that file without a dialog: proof that
# the file was read at start and became the current project.
set -uo pipefail
wizard=$1
source "$(dirname "$0")/../support/wizard_on_xvfb.sh"

write_project named.tkp from_the_shell_
before=$(cat "$project")

start_wizard_with "$wizard" named.tkp

project_rewritten() { [ "$(cat "$project")" != "$before" ]; }
press_save_project_until project_rewritten
project_rewritten || { echo "FAIL: Save Project did not write back to the project named at start"; exit 1; }
grep -q 'qvo-nameoftext=from_the_shell_endof' "$project" && grep -q 'qvo-width=333endof' "$project" ||
    { echo "FAIL: the project written back lost the values it was opened with"; exit 1; }
grep -q 'qvo-height=' "$project" || { echo "FAIL: the file written back is not a whole project"; exit 1; }
[ -z "$(ls "$work/home/share/mirelight/tickerkit/" | grep -v tkbackground.jpg)" ] ||
    { echo "FAIL: something was saved in the working folder"; exit 1; }
echo "the project named at start was open: Save Project wrote it back"
