#!/usr/bin/env bash
# Screenshots of Install.exe under Wine, without a display: the dialog and the Advanced box in the
# English setup (Windows 7, 64-bit prefix) and in the Korean one (Windows XP, ko_KR.UTF-8).
#
#   bash tests/wine/screenshots.sh [DIST] [OUT]     (defaults: build/dist, build/screenshots)
#
# Prints the path of each PNG it wrote; exits non-zero when a picture could not be taken.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source-path=SCRIPTDIR source=prefix.sh
source "$here/prefix.sh"

dist=$(realpath "${1:-$repo/build/dist}")
out=$(realpath -m "${2:-$repo/build/screenshots}")
robot=${ROBOT_EXE:-$repo/build/win32/tests/wine/robot.exe}
[ -f "$dist/Install.exe" ] || { echo "no $dist/Install.exe: run scripts/build first" >&2; exit 2; }
[ -f "$robot" ] || { echo "no $robot: build the win32 target robot first" >&2; exit 2; }
command -v convert >/dev/null || { echo "ImageMagick's convert is missing" >&2; exit 2; }

bench_init
mkdir -p "$out"
work=$BENCH_DIR/shots
rm -rf "$work"
mkdir -p "$work"

xvfb_start
setups=(
  # name | prefix | locale | Windows version
  "english|en64|en_US.UTF-8|win7"
  "korean|ko32|ko_KR.UTF-8|winxp"
)
status=0
for row in "${setups[@]}"; do
  IFS='|' read -r name prefix locale version <<<"$row"
  arch=win32
  [ "$prefix" = en64 ] && arch=win64
  prefix_ensure "$prefix" "$arch" "$locale"
  prefix_use "$prefix"
  # The dialog, then the Advanced box over it; the box is answered and the dialog closed.
  if ! bench_wine "$BENCH_WINE_TIMEOUT" wine "$robot" --timeout 120000 -- \
      version Install.exe "$version" start "$(winpath "$dist/Install.exe")" "$(winpath "$dist")" \
      wait-dialog sleep 1000 shot "$(winpath "$work/$name-dialog.bmp")" \
      click 4 box sleep 1000 shot "$(winpath "$work/$name-box.bmp")" screen \
      answer 1 close wait-exit >"$work/$name.log" 2>"$work/$name.stderr"; then
    echo "screenshots of the $name setup failed:" >&2
    grep '^error' "$work/$name.log" >&2 || true
    status=1
  fi
  for picture in "$work/$name"-*.bmp; do
    [ -f "$picture" ] || continue
    png="$out/$(basename "${picture%.bmp}").png"
    convert "$picture" "$png"
    echo "$png"
  done
done
exit $status
