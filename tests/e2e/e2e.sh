# Helpers for tests that drive the built viewer as a person would: a private X server, a copy of
# the built program with its content, xdotool for the mouse, ImageMagick for screenshots.
# Sourced by the test scripts.
set -euo pipefail

E2E_TMP=$(mktemp -d)
E2E_SHOTS=${E2E_SHOTS:-$E2E_TMP/shots}
mkdir -p "$E2E_SHOTS"
XVFB_PID=
VELMORA_PID=

e2e_cleanup() {
    [ -n "$VELMORA_PID" ] && kill "$VELMORA_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_xserver WIDTHxHEIGHT: a private X server; exports DISPLAY.
start_xserver() {
    local fifo="$E2E_TMP/displayfd"
    mkfifo "$fifo"
    # Without -noreset the server starts anew whenever its last client leaves: an xdotool
    # look that ends while the viewer connects takes the viewer's connection with it, and the
    # viewer ends at start with SIGABRT or SIGPIPE.
    Xvfb -screen 0 "$1x24" -nolisten tcp -noreset -displayfd 3 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local display
    read -r -t 10 display <"$fifo" || fail "Xvfb did not start"
    export DISPLAY=":$display"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}

# What asks a window to close as a window manager does; set where the built program's folder is
# known.
CLOSE_WINDOW=

# read_layout BUILT_DIR: where the browser windows and their browsers stand (BROWSER_WINDOW_X,
# CATALOGUE_BROWSER_X, ..._WIDTH), from the viewer's own table as the build wrote it.
read_layout() {
    # shellcheck source=/dev/null
    source "$1/../tests/e2e/layout.sh" || fail "the build wrote no tests/e2e/layout.sh"
}

# install_copy BUILT_DIR: a private copy of the program and its content, so its writes stay here.
install_copy() {
    read_layout "$1"
    APP="$E2E_TMP/app"
    cp -r "$1" "$APP"
    rm -f "$APP/settings.ini"
}

# The command that runs the viewer as another user, and that user's runtime folder, when a test
# needs one.
VIEWER_AS=()
VIEWER_RUNTIME_DIR=

# as_nobody: the viewer runs as nobody, with a home folder of its own (VIEWER_HOME). Root only.
as_nobody() {
    chmod 755 "$E2E_TMP"
    VIEWER_HOME="$E2E_TMP/home"
    mkdir -m 700 "$VIEWER_HOME"
    chown nobody "$VIEWER_HOME"
    export HOME="$VIEWER_HOME" XDG_DATA_HOME="$VIEWER_HOME/.local/share"
    VIEWER_RUNTIME_DIR="$VIEWER_HOME"
    VIEWER_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
}

# The command that starts the viewer, when not the copy's executable.
VIEWER_COMMAND=()

launch() {
    XDG_RUNTIME_DIR="${VIEWER_RUNTIME_DIR:-$E2E_TMP}" "${VIEWER_AS[@]}" \
        "${VIEWER_COMMAND[@]:-$APP/velmora}" >"$E2E_TMP/velmora.log" 2>&1 &
    VELMORA_PID=$!
}

# start_viewer [SECONDS]: launches the viewer and waits for its main window (30 s unless given);
# MAIN_X, MAIN_Y are where it stands, CHILD_X, CHILD_Y where its browser windows stand.
start_viewer() {
    launch
    local main
    main=$(wait_for_window 1024 768 "${1:-30}") || fail "no main window"
    read -r _ MAIN_X MAIN_Y <<<"$main"
    CHILD_X=$((MAIN_X + BROWSER_WINDOW_X)) CHILD_Y=$((MAIN_Y + BROWSER_WINDOW_Y))
    sleep 0.3
}

# The visible windows of the viewer, one "id width height x y" line each.
visible_windows() {
    local id geometry
    for id in $(xdotool search --onlyvisible --pid "$VELMORA_PID" 2>/dev/null); do
        # A window may go between the search and this look at it.
        geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
        local WIDTH= HEIGHT= X= Y=
        eval "$geometry"
        echo "$id $WIDTH $HEIGHT $X $Y"
    done
}

# error_boxes: the boxes on screen, as visible_windows prints them: the windows lower than any
# window of the viewer's own and higher than a hint's one line.
error_boxes() {
    visible_windows | awk '$3 >= 60 && $3 < 400'
}

# wait_for_window WIDTH HEIGHT SECONDS: prints "id x y" of a visible window of that size.
wait_for_window() {
    local deadline=$((SECONDS + $3)) line
    while [ $SECONDS -le $deadline ]; do
        line=$(visible_windows | awk -v w="$1" -v h="$2" '$2 == w && $3 == h {print $1, $4, $5; exit}')
        [ -n "$line" ] && { echo "$line"; return 0; }
        sleep 0.05
    done
    return 1
}

# ini_value FILE SECTION KEY: a value of an INI file, names matched without regard to case.
ini_value() {
    awk -v section="$2" -v key="$3" '
        { sub(/\r$/, "") }
        /^[ \t]*\[/ { name = $0; gsub(/^[ \t]*\[|\][ \t]*$/, "", name); inside = tolower(name) == tolower(section); next }
        inside && index($0, "=") {
            k = substr($0, 1, index($0, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", k)
            if (tolower(k) == tolower(key)) { v = substr($0, index($0, "=") + 1); gsub(/^[ \t]+|[ \t]+$/, "", v); print v; exit }
        }' "$1"
}

# button_centre WINDOW_X WINDOW_Y SECTION: the middle of a skin button on the screen, as "X Y",
# where the skin in SKIN (the content's own buttons.ini unless set) puts it.
button_centre() {
    local ini="${SKIN:-$APP/buttons.ini}"
    echo $(($1 + $(ini_value "$ini" "$3" bnd_x) + $(ini_value "$ini" "$3" bnd_w) / 2)) \
        $(($2 + $(ini_value "$ini" "$3" bnd_y) + $(ini_value "$ini" "$3" bnd_h) / 2))
}

# click_button WINDOW_X WINDOW_Y SECTION [MOUSE_BUTTON]: clicks the middle of a skin button.
click_button() {
    local x y
    read -r x y <<<"$(button_centre "$1" "$2" "$3")"
    xdotool mousemove "$x" "$y"
    sleep 0.1
    xdotool click "${4:-1}"
}

screenshot() {
    import -window root "$E2E_SHOTS/$1.png"
}

# wait_for_exit SECONDS: the viewer has ended.
wait_for_exit() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$VELMORA_PID" 2>/dev/null; do
        [ $SECONDS -le $deadline ] || return 1
        sleep 0.05
    done
    VELMORA_PID=
}

# pixel_at X Y: the colour of a screen pixel as "R G B" from the last screenshot of that name.
pixel_at() {
    convert "$E2E_SHOTS/$1.png" -format '%[fx:int(255*p{'"$2,$3"'}.r)] %[fx:int(255*p{'"$2,$3"'}.g)] %[fx:int(255*p{'"$2,$3"'}.b)]' info:-
}

# jpeg_pixel FILE X Y: a picture's colour at a point, as "R G B".
jpeg_pixel() {
    convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)] %[fx:int(255*p{'"$2,$3"'}.g)] %[fx:int(255*p{'"$2,$3"'}.b)]' info:-
}

# wait_for_picture NAME X Y FILE PX PY: screenshots NAME until the screen shows the picture's
# point PX, PY at X, Y.
wait_for_picture() {
    local deadline=$((SECONDS + 10))
    until screenshot "$1" && near $(pixel_at "$1" "$2" "$3") $(jpeg_pixel "$4" "$5" "$6"); do
        [ $SECONDS -le $deadline ] || return 1
        sleep 0.1
    done
}

# region_differs SHOT_A SHOT_B X Y W H: whether a screen region changed between two screenshots.
region_differs() {
    local difference
    difference=$(compare -metric AE -crop "$5x$6+$3+$4" "$E2E_SHOTS/$1.png" "$E2E_SHOTS/$2.png" null: 2>&1 || true)
    [ "${difference%% *}" != 0 ]
}

# near R G B EXPECTED_R EXPECTED_G EXPECTED_B: colours within a small tolerance.
near() {
    local i
    local -a actual=($1 $2 $3) expected=($4 $5 $6)
    for i in 0 1 2; do
        [ $(( actual[i] - expected[i] )) -le 4 ] && [ $(( expected[i] - actual[i] )) -le 4 ] || return 1
    done
}

# moved_up_by SHOT_BEFORE SHOT_AFTER X Y W H PIXELS: the region's content moved up exactly so far.
moved_up_by() {
    convert "$E2E_SHOTS/$1.png" -crop "$5x$6+$3+$(($4 + $7))" +repage "$E2E_TMP/moved_a.png"
    convert "$E2E_SHOTS/$2.png" -crop "$5x$6+$3+$4" +repage "$E2E_TMP/moved_b.png"
    [ "$(compare -metric AE "$E2E_TMP/moved_a.png" "$E2E_TMP/moved_b.png" null: 2>&1)" = 0 ]
}

# wait_until_changed BEFORE NAME X Y W H SECONDS: screenshots NAME until the region differs
# from BEFORE.
wait_until_changed() {
    local deadline=$((SECONDS + $7))
    until screenshot "$2" && region_differs "$1" "$2" "$3" "$4" "$5" "$6"; do
        [ $SECONDS -le $deadline ] || return 1
        sleep 0.1
    done
}

# wait_until_still NAME X Y W H SECONDS: screenshots NAME until the region looks the same in two
# screenshots in a row: whatever moved there has come to rest.
wait_until_still() {
    local deadline=$(($SECONDS + $6))
    screenshot "$1"
    while :; do
        sleep 0.2
        cp "$E2E_SHOTS/$1.png" "$E2E_TMP/still_previous.png"
        screenshot "$1"
        [ "$(compare -metric AE -crop "$4x$5+$2+$3" "$E2E_TMP/still_previous.png" "$E2E_SHOTS/$1.png" null: 2>&1)" = 0 ] && return 0
        [ $SECONDS -le $deadline ] || return 1
    done
}

# tree_pss PID: the proportional set size of a process and all its descendants, in kB.
tree_pss() {
    tree_memory "$1" Pss
}

# tree_memory PID FIELD: a field of smaps_rollup (Rss, Pss, Anonymous) in kB, summed over the
# process and all its descendants.
tree_memory() {
    local pid=$1 field=$2 total child
    total=$(awk -v f="$field:" '$1 == f {print $2}' "/proc/$pid/smaps_rollup" 2>/dev/null || echo 0)
    for child in $(pgrep -P "$pid"); do
        total=$((total + $(tree_memory "$child" "$field")))
    done
    echo "${total:-0}"
}

# viewer_alive: the viewer still runs; a viewer that ended is told with how, and fails.
viewer_alive() {
    kill -0 "$VELMORA_PID" 2>/dev/null && return 0
    local status=0
    wait "$VELMORA_PID" || status=$?
    VELMORA_PID=
    fail "the viewer ended by itself with status $status$([ $status -gt 128 ] && echo " (signal $((status - 128)))")"
}

# The works the result page lists, in its order.
listed_works() {
    grep -ao 'images/small/[^"]*\.jpg' "$APP/html/sortresult.htm" | sed 's|images/small/||; s|\.jpg$||'
}

# wait_for_result WHAT: waits for the result page that WHAT asked for; works holds the works it
# lists, at least two, and its first card's thumbnail shows at THUMB_X, THUMB_Y, where the page's
# margins and the table's spacing put it.
wait_for_result() {
    local deadline=$((SECONDS + 10))
    until [ -s "$APP/html/sortresult.htm" ]; do
        [ $SECONDS -le $deadline ] || fail "$1 wrote no result page"
        sleep 0.1
    done
    mapfile -t works < <(listed_works)
    [ ${#works[@]} -ge 2 ] || fail "the result of $1 lists ${#works[@]} works"
    THUMB_X=$((CHILD_X + CATALOGUE_BROWSER_X + 18 + 7 + 68))
    THUMB_Y=$((CHILD_Y + CATALOGUE_BROWSER_Y + 14 + 7 + 54))
    wait_for_picture result "$THUMB_X" "$THUMB_Y" "$APP/images/small/${works[0]}.jpg" 68 54 ||
        fail "the first card of $1 does not show ${works[0]}"
}

# act COMMAND...: one thing a user does, then whatever box it brought up is answered with
# Escape (an error box closes, the closing question says no), and the viewer must still run.
act() {
    "$@"
    sleep 0.2
    xdotool key Escape
    sleep 0.1
    viewer_alive
}

# drive_every_window: with the viewer's main window at MAIN_X, MAIN_Y, opens every window a
# user can reach from it, clicks its buttons, runs a search and opens a work.
drive_every_window() {
    local childX=$((MAIN_X + BROWSER_WINDOW_X)) childY=$((MAIN_Y + BROWSER_WINDOW_Y)) section
    act click_button "$MAIN_X" "$MAIN_Y" zoom
    act click_button "$childX" "$childY" close_2_1
    act click_button "$MAIN_X" "$MAIN_Y" quest
    act xdotool mousemove $((childX + SEARCH_EDIT_X + 70)) $((childY + SEARCH_EDIT_Y + 8)) click 1 type --delay 20 101
    act xdotool key Return
    for section in s_image search_btn s_text close_2_1; do
        act click_button "$childX" "$childY" "$section"
    done
    act xdotool mousemove $((MAIN_X + ALL_DESIGNS_SIGN_X)) $((MAIN_Y + ALL_DESIGNS_SIGN_Y)) click 1
    for section in param_3 filtr_3_1 button_show param_1 filtr_1_2 button_all; do
        act click_button "$childX" "$childY" "$section"
    done
    act xdotool mousemove $((childX + CATALOGUE_BROWSER_X + 60)) $((childY + CATALOGUE_BROWSER_Y + 60)) click 1
    act xdotool mousemove $((childX + 672)) $((childY + 277)) click 1 click 3
}

# close_viewer SECONDS: closes the main window by its close button, or where a broken skin has
# none, as the window manager does (velmora_close_window beside the built program's folder), and
# says yes to the question; the viewer must end, by itself and without a signal, within the time.
close_viewer() {
    local deadline=$((SECONDS + $1)) status=0 main
    click_button "$MAIN_X" "$MAIN_Y" close
    while kill -0 "$VELMORA_PID" 2>/dev/null; do
        [ $SECONDS -le $deadline ] || fail "the viewer did not end within $1 s of closing"
        xdotool key Return
        sleep 0.5
        if main=$(wait_for_window 1024 768 0); then
            "$CLOSE_WINDOW" "${main%% *}" || true
        fi
    done
    wait "$VELMORA_PID" || status=$?
    VELMORA_PID=
    [ $status -le 128 ] || fail "the viewer ended on signal $((status - 128))"
}
