#!/usr/bin/env bash
# Corvalle Lyrabel — start-up benchmark: time from process start to the first
# painted lesson window, and peak memory, beside a bare Qt program showing one
# empty window of the same size. Runs each RUNS times (default 15), alternating,
# on Xvfb when it is installed (else Qt's offscreen platform), and prints medians.
# Usage: bench/startup.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
probe="$build/bench/bench-firstpaint"
[ -x "$probe" ] || { echo "build first: cmake --build $build --target bench-firstpaint"; exit 1; }
runs=${RUNS:-15}
work=$(mktemp -d)
xvfb=""
cleanup() { [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
if command -v Xvfb >/dev/null; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
    sleep 0.5
    platform="Xvfb"
else
    export QT_QPA_PLATFORM=offscreen
    platform="offscreen"
fi

measure() {  # prints "first-paint-ms peak-rss-kib"
    /usr/bin/env time -f "%M" -o "$work/rss" "$@" >"$work/ms" 2>/dev/null
    echo "$(cat "$work/ms") $(tail -n 1 "$work/rss")"
}
for i in $(seq 1 "$runs"); do
    measure "$probe" --bare >>"$work/bare"
    measure "$probe" >>"$work/lyrabel"
done
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
bare_ms=$(cut -d' ' -f1 "$work/bare" | median); app_ms=$(cut -d' ' -f1 "$work/lyrabel" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare" | median); app_kb=$(cut -d' ' -f2 "$work/lyrabel" | median)
printf 'platform: %s, %d runs each, medians\n' "$platform" "$runs"
printf '%-28s %10s %14s\n' "" "first paint" "peak memory"
printf '%-28s %8.1f ms %10d KiB\n' "bare Qt window" "$bare_ms" "$bare_kb"
printf '%-28s %8.1f ms %10d KiB\n' "Corvalle Lyrabel" "$app_ms" "$app_kb"
awk -v a="$app_ms" -v b="$bare_ms" -v m="$app_kb" -v n="$bare_kb" \
    'BEGIN { printf "%-28s %9.2fx %13.2fx   (target: at most 1.5x)\n", "ratio", a / b, m / n }'
