#!/usr/bin/env bash
# Corvalle Lyrabel — end to end: the real program in a real X server (Xvfb with
# openbox), driven by xdotool like a learner: Alt+W, arrow keys to the Major
# page, a click on "Workpages", typing an answer, closing and re-showing the
# worksheet, and closing the lesson book, which must end the program with 0.
# Usage: e2e.sh PROGRAM   (exit 77 = skipped: no Xvfb/xdotool here)
set -uo pipefail
program=$1
for tool in Xvfb xdotool openbox xwininfo import; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; [ -n "${LYRABEL_E2E_KEEP:-}" ] || rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; echo "program output:"; cat "$work/program.log"; import -display "${DISPLAY:-:0}" -window root "$work/fail.png" 2>/dev/null && cp "$work/fail.png" /tmp/lyrabel-e2e-fail.png && echo "screen saved to /tmp/lyrabel-e2e-fail.png"; exit 1; }

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 1 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=($app)

# Waits for a window by exact title; prints its id.
window_named() {
    local id=""
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
# Absolute top-left of a window's client area.
client_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'
}
# Number of dark pixels in a screen rectangle.
dark_pixels() {
    import -display "$DISPLAY" -window root -crop "$3x$4+$1+$2" "$work/crop.png" 2>/dev/null
    /usr/bin/convert "$work/crop.png" -colorspace gray -threshold 50% -format "%[fx:round(w*h*(1-mean))]" info:
}

book=$(window_named "Corvalle Lyrabel") || fail "the lesson window did not appear"
xdotool windowactivate --sync "$book" || fail "cannot activate the lesson window"
sleep 0.3

# Alt+W selects Welcome and focuses the tab strip; seven Rights reach "Major".
xdotool key alt+w
sleep 0.2
for _ in 1 2 3 4 5 6 7; do xdotool key Right; sleep 0.05; done
sleep 0.3

# "Workpages" on the Major page: page at (4, 30) in the notebook at (0, -1); button at (246, 394), 81×25.
read -r bx by < <(client_origin "$book")
click_workpages() {
    xdotool mousemove $((bx + 4 + 246 + 40)) $((by - 1 + 30 + 394 + 12)) click 1
}
click_workpages
sheet=$(window_named "Major Chord Workpage") || fail "the Major Chord Workpage did not open"
xdotool windowactivate --sync "$sheet"
sleep 0.3
read -r sx sy < <(client_origin "$sheet")
# The first answer field (beside "D") at (34, 145), 120×32, has the focus first.
field=("$((sx + 36))" "$((sy + 148))" 110 24)
# An empty field shows at most its caret.
empty=$(dark_pixels "${field[@]}")
[ "$empty" -lt 40 ] || fail "the answer field is not empty at first ($empty dark pixels)"
xdotool type --delay 30 "D F# A"
sleep 0.3
typed=$(dark_pixels "${field[@]}")
[ "$typed" -gt $((empty + 60)) ] || fail "typing left no text in the answer field ($typed dark pixels, $empty before)"

# Close the worksheet (a real close request), then show it again from the Major page.
xdotool key alt+F4
sleep 0.5
xdotool search --onlyvisible --name "^Major Chord Workpage\$" >/dev/null 2>&1 && fail "the worksheet did not close"
xdotool windowactivate --sync "$book"
sleep 0.2
click_workpages
sheet=$(window_named "Major Chord Workpage") || fail "the worksheet did not come back"
sleep 0.3
read -r sx sy < <(client_origin "$sheet")
field=("$((sx + 36))" "$((sy + 148))" 110 24)
again=$(dark_pixels "${field[@]}")
[ "$again" -gt $((empty + 60)) ] || fail "the typed answer was lost when the worksheet closed ($again dark pixels)"

# "Print" (at the worksheet's top-left, 41×25) on the real default printer,
# where test.sh has set up CUPS with a PDF printer: a new PDF page appears.
if [ -n "${LYRABEL_REQUIRE_PRINTER:-}" ] && [ -n "${LYRABEL_CUPS_PDF_DIR:-}" ]; then
    mkdir -p "$LYRABEL_CUPS_PDF_DIR"
    before=$(ls "$LYRABEL_CUPS_PDF_DIR" 2>/dev/null | wc -l)
    xdotool windowactivate --sync "$sheet"
    xdotool mousemove $((sx + 20)) $((sy + 12)) click 1
    for _ in $(seq 1 150); do
        [ "$(ls "$LYRABEL_CUPS_PDF_DIR" 2>/dev/null | wc -l)" -gt "$before" ] && break
        sleep 0.1
    done
    [ "$(ls "$LYRABEL_CUPS_PDF_DIR" 2>/dev/null | wc -l)" -gt "$before" ] || fail "Print made no page on the default printer"
    echo "printed on the default printer"
fi

# Closing the lesson window ends the program, with the worksheet still open.
xdotool windowactivate --sync "$book"
sleep 0.2
xdotool key alt+F4
for _ in $(seq 1 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end when the lesson window closed"
wait "$app"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: end to end under Xvfb"
