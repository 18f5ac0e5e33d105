#!/usr/bin/env bash
# End-to-end distribution panel under Wine: Install.exe of the demo distribution makes an install
# diskette on A: (a folder Wine sees as a removable drive), the diskette's own Install.exe starts
# in its diskette mode, and driver files are copied to a folder on C:. The panel's buttons are
# hidden; robot.exe sends their commands to the dialog.
#
#   bash tests/wine/distribution-scenarios.sh [DIST]     (DIST: build/dist)
#
# Prints one line per check and closes with `N passed, M failed`; exits non-zero when a check
# failed. Transcripts are kept in build/wine/distribution-logs/.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source-path=SCRIPTDIR source=prefix.sh
source "$here/prefix.sh"
# shellcheck source-path=SCRIPTDIR source=checks.sh
source "$here/checks.sh"

dist=$(realpath "${1:-$repo/build/dist}")
ROBOT=${ROBOT_EXE:-$repo/build/win32/tests/wine/robot.exe}
PROBE=${PROBE_EXE:-$repo/build/win32/tests/wine/spooler_probe.exe}
demo_files=${DEMO_FILES:-$repo/build/win32/demo-package/files}
[ -f "$dist/Install.exe" ] || { echo "no $dist/Install.exe: run scripts/build first" >&2; exit 2; }
[ -f "$ROBOT" ] || { echo "no $ROBOT: build the win32 test tools first" >&2; exit 2; }
[ -f "$demo_files/DEMO.PPD" ] || { echo "no demo package files in $demo_files" >&2; exit 2; }

bench_init
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"
work=$BENCH_DIR/distribution
rm -rf "$work"
mkdir -p "$work"
checks_init "$BENCH_DIR/distribution-logs"

# A: of a prefix points at a folder while the script runs; what was there before comes back.
declare -A saved_floppy=()
floppy_link() {
  local link=$WINEPREFIX/dosdevices/a:
  if [ -z "${saved_floppy[$WINEPREFIX]+set}" ]; then
    saved_floppy[$WINEPREFIX]=$(readlink "$link" 2>/dev/null || echo -)
  fi
  ln -sfn "$1" "$link"
}
floppy_restore() {
  local prefix
  for prefix in "${!saved_floppy[@]}"; do
    rm -f "$prefix/dosdevices/a:"
    [ "${saved_floppy[$prefix]}" = - ] || ln -sfn "${saved_floppy[$prefix]}" "$prefix/dosdevices/a:"
  done
}
trap 'floppy_restore; bench_cleanup' EXIT

# An empty folder on C: of the current prefix (the shell's copy would ask before overwriting).
empty_c_folder() {
  local folder=$WINEPREFIX/drive_c/$1
  rm -rf "$folder"
  mkdir -p "$folder"
  printf '%s' "$folder"
}

box_line() {
  printf 'box caption="Install" text="%s" buttons=1 icon=exclamation owner=visible' "$1"
}

xvfb_start
prefix_ensure_all "en32 win32 en_US.UTF-8" "ko32 win32 ko_KR.UTF-8"

# ------------------------------------------------------------------------------------------------
# Make a diskette for English Windows 95/98/ME (list entry 9, section Win95e) on drive A:.
prefix_use en32
name=make-diskette
folder=$work/dist
cp -r "$dist" "$folder"
floppy=$work/floppy
mkdir -p "$floppy"
floppy_link "$floppy"
robot_run "$name" version Install.exe win7 start "$(winpath "$folder/Install.exe")" "$(winpath "$folder")" \
  wait-dialog select 1016 9 select 1017 0 dump command 1018 box answer 1 dump close wait-exit
expect "$name" "robot did every step" robot_succeeded "$name"
expect "$name" "drive list: the removable A: only, selected" last_control "$name" 1017 selection=0 entries=1
expect "$name" "box \"Sucessfully making diskette completed\", caption Install, exclamation" \
  has_line "$name" "$(box_line "Sucessfully making diskette completed")"
expect "$name" "A: holds exactly Install.exe, Setup.INI, Win95.drv" \
  only_files "$floppy" Install.exe Setup.INI Win95.drv
expect "$name" "Install.exe and Win95.drv on A: are the distribution's" \
  same_files "$floppy" "$dist" Install.exe Win95.drv
floppy_ini=$(find "$floppy" -maxdepth 1 -iname setup.ini | head -1)
expect "$name" "A:'s Setup.INI: [OSforInstallDiskette] FileName=Win95.drv" \
  ini_has "${floppy_ini:-$floppy/Setup.INI}" OSforInstallDiskette FileName Win95.drv
expect "$name" "A:'s Setup.INI keeps the model" \
  ini_has "${floppy_ini:-$floppy/Setup.INI}" MODEL EnglishModelName "Hanbit Demo Printer LP-1400"
expect "$name" "the distribution's SETUP.INI got FileName=Win95.drv too" \
  ini_has "$folder/SETUP.INI" OSforInstallDiskette FileName Win95.drv

# ------------------------------------------------------------------------------------------------
# Copy the driver files for English Windows 2000/XP/2003 (entry 7, Win2Ke) to a folder on C:.
name=copy-driver-files
folder=$work/dist-copy
cp -r "$dist" "$folder"
target=$(empty_c_folder bench-driver-copy)
robot_run "$name" version Install.exe win7 start "$(winpath "$folder/Install.exe")" "$(winpath "$folder")" \
  wait-dialog select 1026 7 text 1020 'C:\bench-driver-copy' dump command 1022 box answer 1 close wait-exit
expect "$name" "robot did every step" robot_succeeded "$name"
expect "$name" "box \"Sucessfully copying driver files completed\", caption Install, exclamation" \
  has_line "$name" "$(box_line "Sucessfully copying driver files completed")"
expect "$name" "the folder holds exactly DEMO.PPD and README.TXT" only_files "$target" DEMO.PPD README.TXT
expect "$name" "both with the demo package's bytes" same_files "$target" "$demo_files" DEMO.PPD README.TXT

# ------------------------------------------------------------------------------------------------
# The diskette's own Install.exe, started from A:\ (no MakeDisk.INI there), on Korean Windows XP:
# the copy list holds only the diskette's system; a copy onto the diskette itself is refused; a
# copy to C: unpacks the diskette's package.
prefix_use ko32
name=diskette-origin
floppy_link "$floppy"
target=$(empty_c_folder bench-diskette-copy)
floppy_root="A:\\"
robot_run "$name" version Install.exe winxp start 'A:\Install.exe' "$floppy_root" \
  wait-dialog dump text 1020 'a:\drivers' command 1022 box answer 1 \
  text 1020 'C:\bench-diskette-copy' command 1022 box answer 1 close wait-exit
expect "$name" "robot did every step" robot_succeeded "$name"
expect "$name" "copy list: the single entry \"영문 Windows 95/98/ME\", selected" \
  last_control "$name" 1026 selection=0 'entries=1 ["영문 Windows 95/98/ME"]'
expect "$name" "a target on the program's own diskette is refused" \
  has_line "$name" "$(box_line '현재 플로피 디스켓에 드라이버 설치 프로그램이 있으므로\n\n드라이버 파일을 플로피 디스켓에 복사할 수 없습니다.')"
expect "$name" "copy to C: done: the Korean box" has_line "$name" "$(box_line "드라이버 파일 복사가 완료됐습니다.")"
expect "$name" "the folder holds exactly DEMO.PPD and README.TXT, the demo package's bytes" \
  same_files "$target" "$demo_files" DEMO.PPD README.TXT
expect "$name" "nothing else in the folder" only_files "$target" DEMO.PPD README.TXT
expect "$name" "the diskette is unchanged" only_files "$floppy" Install.exe Setup.INI Win95.drv

checks_summary
