# Sourced by the shell tests that start the built wizard on a virtual display of their own.
# Makes $work, a scratch folder that goes with the wizard and the display when the test ends (a test may
# have taken its write bits away), with the wizard's start folder $work/designs and its home $work/home;
# sets $wizard_pid, $xvfb_pid and $window.
work=$(mktemp -d)
mkdir -p "$work/designs" "$work/home"
wizard_pid=""
xvfb_pid=""
window=""

# The display server is waited for: one still shutting down removes the socket files of its display
# number, which the next test's server may already have taken.
finish() {
    [ -n "$wizard_pid" ] && kill "$wizard_pid" 2>/dev/null && wait "$wizard_pid"
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid"
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap finish EXIT

# Waits up to thirty seconds for a command to succeed: a busy machine starts Qt slowly.
wait_for() {
    for _ in $(seq 300); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Writes the project file $work/designs/NAME, whose box is named BOX_NAME and 333 pixels wide (a valid width,
# or the Step 2 page would warn about it on saving), and names it $project.
write_project() {
    local name=$1 box_name=$2
    project=$work/designs/$name
    printf '#%%#qvo-nameoftext=%sendof-qvo-nameoftext#%%##%%#qvo-width=333endof-qvo-width#%%#' "$box_name" >"$project"
}

# Starts WIZARD in $work/designs with the project file named PROJECT, on a display numbered by the server
# itself so that parallel runs never meet, and waits for its window.
start_wizard_with() {
    local wizard=$1 project=$2
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_for test -s "$work/display" || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=:$(head -1 "$work/display")
    cd "$work/designs" || exit 1
    env -u QT_QPA_PLATFORM HOME="$work/home" XDG_DATA_HOME="$work/home/share" \
        XDG_CONFIG_HOME="$work/home/config" "$wizard" "$project" >"$work/wizard.log" 2>&1 &
    wizard_pid=$!
    find_window() {
        window=$(xdotool search --onlyvisible --pid "$wizard_pid" --name '^Marquetto v' | head -1) &&
            [ -n "$window" ]
    }
    wait_for find_window || {
        echo "FAIL: the wizard showed no window; it says:"
        cat "$work/wizard.log"
        exit 1
    }
}

# Clicks Save Project, the button in the bottom right corner of the wizard, until CONDITION holds. A window
# that has only just appeared may not take a click yet, so one click is not enough; a second save writes
# the same bytes.
press_save_project_until() {
    local condition=$1
    for _ in $(seq 15); do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        xdotool mousemove --sync $((X + WIDTH - 40)) $((Y + HEIGHT - 22)) click 1
        for _ in $(seq 20); do
            "$condition" && return 0
            sleep 0.1
        done
    done
    return 1
}
