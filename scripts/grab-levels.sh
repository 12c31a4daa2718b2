#!/usr/bin/env bash
# Grabs every shipped level as a player sees it: at its start, and mid-play after a dragged line with the
# pointer resting on a cell; and the largest level on a 1920 x 1080 screen, playing and paused.
# Usage: scripts/grab-levels.sh [OUT_DIR]   (default grabs/levels; needs the built game, runs under Xvfb)
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:-grabs/levels}
DRIVER=build/tools/driver
mkdir -p "$OUT"
export LIBGL_ALWAYS_SOFTWARE=1
run() {  # run SCREEN LEVEL SCRIPT OUTDIR
  xvfb-run -a -s "-screen 0 $1x24" "$DRIVER" --level "$2" --script "$3" --out "$4"
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for path in build/game/data/levels/*.lvl; do
  name=$(basename "$path" .lvl)
  # First run: where the cells lie once they have landed.
  printf 'wait 900\ngrab %s-start\nquit\n' "$name" > "$tmp/start.txt"
  line=$(run 1024x768 "data/levels/$name.lvl" "$tmp/start.txt" "$OUT" | grep "cell 0,0 at")
  read -r x y w h < <(echo "$line" | sed -E 's/.*at ([0-9]+),([0-9]+); pitch ([0-9]+) x ([0-9]+).*/\1 \2 \3 \4/')
  # Second run: a line of four cells dragged along the first row, then the pointer on cell (2, 2).
  cat > "$tmp/play.txt" <<SCRIPT
wait 900
drag $x $y $((x + 3 * w)) $y 8
wait 20
move $((x + 2 * w)) $((y + 2 * h))
wait 10
grab $name-play
quit
SCRIPT
  run 1024x768 "data/levels/$name.lvl" "$tmp/play.txt" "$OUT" > /dev/null
done
printf 'wait 900\nmove 400 400\nwait 2\ngrabscreen mask-1920x1080\nfocus lost\nwait 5\ngrabscreen mask-1920x1080-paused\nquit\n' > "$tmp/wide.txt"
run 1920x1080 data/levels/mask.lvl "$tmp/wide.txt" "$OUT" > /dev/null
echo "grabs in $OUT"
