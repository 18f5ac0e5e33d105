#!/usr/bin/env bash
# The demo installation under Wine, without a display: in the English 32-bit prefix, with the
# spooler reset first, Install.exe of the distribution is driven with the default choices (only
# "open the printer folder afterwards" unchecked: it shows nothing under Wine). Screenshots of the
# dialog while its progress bar is up and of the success box are saved as PNG files; then what
# the spooler holds is printed, and the PNG paths.
#
#   bash tests/wine/demo-install.sh [DIST] [OUT]     (defaults: build/dist, build/screenshots)
#
# Exits non-zero when the installation did not run to its success box.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source-path=SCRIPTDIR source=prefix.sh
source "$here/prefix.sh"
# shellcheck source-path=SCRIPTDIR source=checks.sh
source "$here/checks.sh"

dist=$(realpath "${1:-$repo/build/dist}")
out=$(realpath -m "${2:-$repo/build/screenshots}")
ROBOT=${ROBOT_EXE:-$repo/build/win32/tests/wine/robot.exe}
PROBE=${PROBE_EXE:-$repo/build/win32/tests/wine/spooler_probe.exe}
model="Hanbit Demo Printer LP-1400"
[ -f "$dist/Install.exe" ] || { echo "no $dist/Install.exe: run scripts/build first" >&2; exit 2; }
for tool in "$ROBOT" "$PROBE"; do
  [ -f "$tool" ] || { echo "no $tool: build the win32 test tools first" >&2; exit 2; }
done
command -v convert >/dev/null || { echo "ImageMagick's convert is missing" >&2; exit 2; }

bench_init
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"
checks_init "$BENCH_DIR/demo-install"
work=$CHECKS_LOGS
mkdir -p "$out"

xvfb_start
prefix_ensure en32 win32 en_US.UTF-8
prefix_use en32
spooler_reset demo "$model"

progress_bmp=$work/demo-install-progress.bmp
success_bmp=$work/demo-install-success.bmp
robot_run demo version Install.exe win7 start "$(winpath "$dist/Install.exe")" "$(winpath "$dist")" \
  wait-dialog sleep 1000 check 1003 0 sleep 500 click 1 shot-when-visible 1007 "$(winpath "$progress_bmp")" 120000 \
  box shot "$(winpath "$success_bmp")" box answer 1 wait-exit
log=$(log_of demo)

status=0
if ! grep -q '^end demo ok=1 ' "$log"; then
  echo "the demo installation did not run to its end:" >&2
  grep -E '^(error|note|box) ' "$log" >&2 || true
  status=1
fi
grep -E '^box ' "$log" | sed 's/^/message /' || true
shot_line=$(grep -F 'control=1007' "$log" || true)
case $shot_line in
  *" drawn=1"*) echo "note: the first picture shows the progress bar as the install staged the driver files" ;;
  *" seen-visible=1 "*)
    echo "note: the progress bar was shown but never drawn before it hid again (the dialog does not repaint while the package runs); the first picture shows the dialog as the screen had it" ;;
  ?*) echo "note: the progress bar was not seen before the success box; the first picture shows the dialog as it was then" ;;
esac

echo "spooler after the installation:"
spooler_report demo after
sed 's/^/  /' "$CHECKS_LOGS/demo.after"

for picture in "$progress_bmp" "$success_bmp"; do
  [ -f "$picture" ] || continue
  png="$out/$(basename "${picture%.bmp}").png"
  convert "$picture" "$png"
  echo "$png"
done
exit $status
