#!/usr/bin/env bash
# End-to-end installation under Wine: Install.exe of the demo distribution is driven by robot.exe
# (Install pressed, questions answered), and the spooler is read from outside by
# spooler_probe.exe before and after: driver, printer, port, default-printer entry, staged files.
#
#   bash tests/wine/install-scenarios.sh [DIST]     (DIST: build/dist, laid out by scripts/build)
#
# Prints one line per check and closes with `N passed, M failed`; exits non-zero when a check
# failed. Transcripts and spooler reports are kept in build/wine/install-logs/.
#
# Prefixes (see prefix.sh): en32 (English, 32-bit), en64 (English, WoW64), ko32 (Korean, 32-bit).
# Before each scenario the printer is deleted, its drivers unregistered, the staged files removed
# and the default-printer entry set to a sentinel; a scenario that only compares the spooler
# before and after has the printer and the staged files removed; the Q1 scenarios keep the
# printer the one before them installed.
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
for tool in "$ROBOT" "$PROBE"; do
  [ -f "$tool" ] || { echo "no $tool: build the win32 test tools first" >&2; exit 2; }
done
[ -f "$demo_files/DEMO.PPD" ] || { echo "no demo package files in $demo_files" >&2; exit 2; }

bench_init
# A crashing program must end, not wait in Wine's debugger.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"
work=$BENCH_DIR/install
rm -rf "$work"
mkdir -p "$work"
checks_init "$BENCH_DIR/install-logs"

english_model="Hanbit Demo Printer LP-1400"
korean_model="한빛 데모 프린터 LP-1400"
success_english="box caption=\"$english_model\" text=\"Sucessfully install completed\" buttons=1 icon=none owner=visible"
success_korean="box caption=\"$korean_model\" text=\"드라이버 설치가 완료되었습니다\" buttons=1 icon=none owner=visible"
canceled_english="box caption=\"Install\" text=\"Driver install is canceled.\" buttons=1 icon=none owner=visible"
replace_question="box caption=\"$english_model\" text=\"Already, same driver is installed.\\nReplace old driver with new driver?\" buttons=6,7 icon=question owner=visible"
blank_address_question="box caption=\"$english_model\" text=\"Although TCP/IP port is checked, you don't write down IP Address\\n\\nSo LTP port is set up automatically. Do you want to continue?\" buttons=6,7 icon=question owner=visible"
package_missing="box caption=\"Install\" text=\"Driver dosen't match your OS version.\" buttons=1 icon=exclamation owner=visible"
printers_key='HKLM\System\CurrentControlSet\Control\Print\Printers'

# A copy of the distribution for one scenario.
fresh_dist() {
  local folder=$work/dist-$1
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  printf '%s' "$folder"
}

# The text of an expected box line.
box_text() {
  local text=${1#* text=\"}
  printf '%s' "${text%\" buttons=*}"
}

# The steps that start Install.exe of a distribution under a Windows version.
start_steps() {
  printf '%s\n' version Install.exe "$2" start "$(winpath "$1/Install.exe")" "$(winpath "$1")" wait-dialog
}

# The printer line as the probe prints it, up to Wine's own device mode.
printer_line() {
  printf 'printer name="%s" port="%s" driver="%s" processor="WinPrint" datatype="RAW" attributes=4 priority=1 ' \
    "$1" "$2" "$1"
}

# The driver line: environment, version, and the four files and two dependents in DIR (the
# spooler's version folder).
driver_line() {
  local model=$1 environment=$2 version=$3 dir=$4 driver=$5
  printf 'driver environment="%s" version=%s name="%s" path="%s\\%s" data="%s\\DEMO.PPD" config="%s\\DEMOUI.DLL" help="%s\\DEMO.HLP" dependents="%s\\DEMO.PPD;%s\\DEMOUI.DLL" datatype="RAW"' \
    "$environment" "$version" "$model" "$dir" "$driver" "$dir" "$dir" "$dir" "$dir" "$dir"
}

drivers_dir='C:\windows\system32\spool\drivers'

# staged DIR FILE...: the install put these demo files in the spooler's driver directory DIR
# (w32x86, win40), as the package unpacked them.
staged() {
  local dir=$1
  shift
  same_files "$(spool_dir)/$dir" "$demo_files" "$@"
}

# package_copied NAME: the package was copied to %TEMP% as NAME.exe (and so was the one run).
package_copied() {
  local temp
  for temp in $(temp_dirs); do [ -f "$temp/$1.exe" ] && return 0; done
  echo "no $1.exe in %TEMP%" >&2
  return 1
}

# marker_present yes|no: the value BenchMarker that the scenario put into the printer's registry
# key before the run (a printer deleted and added again has lost it).
marker_present() {
  local out
  out=$(bench_wine 120 wine reg query "$printers_key\\$english_model" /v BenchMarker 2>/dev/null | tr -d '\r' || true)
  if [[ $out == *BenchMarker* ]]; then
    [ "$1" = yes ] && return 0
    echo "the printer's key still holds BenchMarker: it was not deleted" >&2
  else
    [ "$1" = no ] && return 0
    echo "the printer's key lost BenchMarker: it was deleted or never there" >&2
  fi
  return 1
}

# devmode_as_built MODEL CODEPAGE: the printer's "Default DevMode" in the registry is the record
# the program built: the model name (in the system's code page) as device name, 148 bytes, A4,
# high quality, 600 dpi. (The probe's EnumPrinters shows Wine's own device mode instead.)
devmode_as_built() {
  local model=$1 codepage=$2 hex name bad=0
  hex=$(bench_wine 120 wine reg query "$printers_key\\$model" /v "Default DevMode" 2>/dev/null |
        tr -d '\r' | sed -n 's/.*REG_BINARY *//p')
  name=$(printf '%s' "$model" | iconv -f UTF-8 -t "$codepage" | od -An -tx1 | tr -d ' \n' | tr a-f A-F)
  while [ ${#name} -lt 64 ]; do name+=0; done
  [ -n "$hex" ] || { echo "no Default DevMode for \"$model\"" >&2; return 1; }
  # field | offset in bytes | bytes as stored (little-endian)
  local fields=("device name|0|$name" "dmSize 148|36|9400" "paper A4|46|0900" "quality high|58|FCFF"
                "y resolution 600|64|5802") row what offset want
  for row in "${fields[@]}"; do
    IFS='|' read -r what offset want <<<"$row"
    if [ "${hex:$((offset * 2)):${#want}}" != "$want" ]; then
      printf '%s: wanted %s at byte %s; seen %s\n' "$what" "$want" "$offset" "${hex:$((offset * 2)):${#want}}" >&2
      bad=1
    fi
  done
  return $bad
}

put_marker() {
  bench_wine 120 wine reg add "$printers_key\\$english_model" /v BenchMarker /d 1 /f >/dev/null 2>&1
}

# The checks of a successful installation on a 32-bit system (English or Korean): S1, the end of
# the program, driver, printer, default-printer entry.
expect_installed() {
  local name=$1 model=$2 success=$3 port=$4 package=$5 codepage=$6
  expect "$name" "robot did every step" robot_succeeded "$name"
  expect "$name" "S1 box, captioned with the model name, OK only, no icon" has_line "$name" "$success"
  expect "$name" "the program ends with 0 after the box" has_line "$name" "exit code=0"
  expect "$name" "package $package run from %TEMP%" package_copied "${package%.drv}"
  expect "$name" "driver files staged in w32x86 as the package unpacked them" \
    staged w32x86 DEMODRV.DLL DEMOUI.DLL DEMO.PPD DEMO.HLP
  expect "$name" "driver \"$model\", Windows NT x86, version 3, its files and dependents" \
    report_line "$name" after "$(driver_line "$model" "Windows NT x86" 3 "$drivers_dir\\w32x86\\3" DEMODRV.DLL)"
  expect "$name" "printer on \"$port\", WinPrint, RAW, default attribute" \
    report_starts "$name" after "$(printer_line "$model" "$port")"
  expect "$name" "default device \"$model,$model,LPT1:\"" \
    report_line "$name" after "default device=\"$model,$model,LPT1:\""
  expect "$name" "the printer's device mode as the program built it" devmode_as_built "$model" "$codepage"
}

# The checks of a run that stopped with the dialog open: nothing staged, the spooler unchanged.
expect_nothing_done() {
  local name=$1
  expect "$name" "the dialog stays open and takes input" \
    has_line "$name" "dialog caption=\"$english_model   Printer Driver Install\" visible=1 enabled=1"
  expect "$name" "progress bar 1007 hidden" last_control "$name" 1007 visible=0
  expect "$name" "nothing staged, the spooler as before" nothing_staged
  expect "$name" "spooler report unchanged" spooler_unchanged "$name"
}

xvfb_start
prefix_ensure_all "en32 win32 en_US.UTF-8" "en64 win64 en_US.UTF-8" "ko32 win32 ko_KR.UTF-8"

# ------------------------------------------------------------------------------------------------
# English Windows 7, 32-bit: the default choices.
prefix_use en32
name=win7-x86
folder=$(fresh_dist "$name")
spooler_reset "$name" "$english_model"
mapfile -t steps < <(start_steps "$folder" win7)
robot_run "$name" "${steps[@]}" check 1003 0 click 1 box answer 1 wait-exit
spooler_report "$name" after
expect_installed "$name" "$english_model" "$success_english" "LPT1:" Win7V.drv CP1252

# The printer is there now. Install again; the question Q1, answered No then Yes. A value put
# into the printer's registry key before the run tells whether it was deleted and added again.
replace_cases=(
  # name | answer | steps after the answer | the box after Q1 | the marker afterwards
  "replace-no|7|box answer 1 dump close wait-exit|$canceled_english|yes"
  "replace-yes|6|box answer 1 wait-exit|$success_english|no"
)
for row in "${replace_cases[@]}"; do
  IFS='|' read -r name answer after next_box marker <<<"$row"
  folder=$(fresh_dist "$name")
  put_marker
  spooler_report "$name" before
  mapfile -t steps < <(start_steps "$folder" win7)
  # shellcheck disable=SC2086
  robot_run "$name" "${steps[@]}" check 1003 0 click 1 box answer "$answer" $after
  spooler_report "$name" after
  expect "$name" "robot did every step" robot_succeeded "$name"
  expect "$name" "Q1 \"Already, same driver is installed...\", Yes/No, question icon, model caption" \
    has_line "$name" "$replace_question"
  expect "$name" "then the box \"$(box_text "$next_box")\"" has_line "$name" "$next_box"
  if [ "$marker" = yes ]; then
    expect "$name" "the printer was not deleted" marker_present yes
    expect "$name" "the dialog stays open" \
      has_line "$name" "dialog caption=\"$english_model   Printer Driver Install\" visible=1 enabled=1"
    expect "$name" "spooler report unchanged" spooler_unchanged "$name"
  else
    expect "$name" "the old printer was deleted" marker_present no
    expect "$name" "the program ends with 0" has_line "$name" "exit code=0"
    expect "$name" "a printer on LPT1: was added again" \
      report_starts "$name" after "$(printer_line "$english_model" "LPT1:")"
  fi
done

# TCP/IP port checked with a blank address: the question Q2; Yes goes on with LPT1:, No cancels.
blank_cases=(
  # name | answer | steps after the answer | the box after Q2 | reset before
  "blank-address-yes|6|box answer 1 wait-exit|$success_english|all"
  "blank-address-no|7|box answer 1 dump close wait-exit|$canceled_english|printer"
)
for row in "${blank_cases[@]}"; do
  IFS='|' read -r name answer after next_box reset <<<"$row"
  folder=$(fresh_dist "$name")
  spooler_reset "$name" "$english_model" "$reset"
  mapfile -t steps < <(start_steps "$folder" win7)
  # shellcheck disable=SC2086
  robot_run "$name" "${steps[@]}" check 1003 0 check 1006 1 click 1 box answer "$answer" $after
  spooler_report "$name" after
  expect "$name" "robot did every step" robot_succeeded "$name"
  expect "$name" "Q2 about the blank address, Yes/No, question icon, model caption" \
    has_line "$name" "$blank_address_question"
  expect "$name" "then the box \"$(box_text "$next_box")\"" has_line "$name" "$next_box"
  if [ "$answer" = 6 ]; then
    expect "$name" "the printer on LPT1:" \
      report_starts "$name" after "$(printer_line "$english_model" "LPT1:")"
  else
    expect_nothing_done "$name"
  fi
done

# A package that is not a program: the start fails with the system's error number.
name=not-a-program
folder=$(fresh_dist "$name")
printf 'This is a text file, not a program.\r\n' >"$folder/Win7V.drv"
spooler_reset "$name" "$english_model" printer
mapfile -t steps < <(start_steps "$folder" win7)
robot_run "$name" "${steps[@]}" check 1003 0 click 1 box answer 1 dump close wait-exit
spooler_report "$name" after
expect "$name" "robot did every step" robot_succeeded "$name"
expect "$name" "\"CreateProcess() failed: \" and a decimal error number, caption Install, OK only" \
  has_match "$name" 'box caption="Install" text="CreateProcess\(\) failed: [0-9]+" buttons=1 icon=none owner=visible'
expect_nothing_done "$name"

# Windows 98 (Wine: Second Edition): Win95e, environment "Windows 4.0", no default-printer entry.
name=win98
folder=$(fresh_dist "$name")
spooler_reset "$name" "$english_model"
mapfile -t steps < <(start_steps "$folder" win98)
robot_run "$name" "${steps[@]}" check 1003 0 click 1 box answer 1 wait-exit
spooler_report "$name" after
expect "$name" "robot did every step" robot_succeeded "$name"
expect "$name" "S1 box" has_line "$name" "$success_english"
expect "$name" "the program ends with 0" has_line "$name" "exit code=0"
expect "$name" "package Win95.drv run from %TEMP%" package_copied Win95
expect "$name" "driver files staged in win40 as the package unpacked them" \
  staged win40 DEMODRV.DRV DEMOUI.DLL DEMO.PPD DEMO.HLP
expect "$name" "driver in \"Windows 4.0\", version 0, DEMODRV.DRV" \
  report_line "$name" after "$(driver_line "$english_model" "Windows 4.0" 0 "$drivers_dir\\win40\\0" DEMODRV.DRV)"
expect "$name" "no driver for \"Windows NT x86\"" report_lacks "$name" after 'driver environment="Windows NT x86"'
expect "$name" "printer on LPT1:, default attribute" \
  report_starts "$name" after "$(printer_line "$english_model" "LPT1:")"
expect "$name" "default-printer entry left as it was" \
  report_line "$name" after "default device=\"$SENTINEL_DEVICE\""

# ------------------------------------------------------------------------------------------------
# English Windows 7 in WoW64: the x64 section and environment; Wine then refuses the printer of a
# 32-bit program (87), and the program says so and stays.
prefix_use en64
name=win7-x64
folder=$(fresh_dist "$name")
spooler_reset "$name" "$english_model"
mapfile -t steps < <(start_steps "$folder" win7)
robot_run "$name" "${steps[@]}" check 1003 0 click 1 box answer 1 box answer 1 alive 1000 dump close wait-exit
spooler_report "$name" after
expect "$name" "robot did every step" robot_succeeded "$name"
expect "$name" "package Win7V64.drv (section Win7Ve_x64) run from %TEMP%" package_copied Win7V64
expect "$name" "driver registered for \"Windows x64\", version 3" \
  report_starts "$name" after "driver environment=\"Windows x64\" version=3 name=\"$english_model\" "
expect "$name" "no driver for \"Windows NT x86\"" report_lacks "$name" after 'driver environment="Windows NT x86"'
expect "$name" "box \"Error Code (87)\", caption Install" \
  has_line "$name" 'box caption="Install" text="Error Code (87)" buttons=1 icon=none owner=visible'
expect "$name" "then \"Driver install is canceled.\", caption Install" has_line "$name" "$canceled_english"
expect "$name" "exactly two boxes" test "$(grep -c '^box ' "$(log_of "$name")")" = 2
expect "$name" "the dialog stays open" \
  has_line "$name" "dialog caption=\"$english_model   Printer Driver Install\" visible=1 enabled=1"
expect "$name" "progress bar 1007 hidden again" last_control "$name" 1007 visible=0
expect "$name" "no printer added" report_lacks "$name" after "printer name=\"$english_model\""
expect "$name" "default-printer entry left as it was" \
  report_line "$name" after "default device=\"$SENTINEL_DEVICE\""

# ------------------------------------------------------------------------------------------------
# Korean Windows XP with a TCP/IP address: Win2Kh, the printer names the port IP_10.0.0.5 (Wine
# has no TCP/IP port monitor, so the port itself is not created).
prefix_use ko32
name=ko-winxp-tcpip
folder=$(fresh_dist "$name")
spooler_reset "$name" "$korean_model"
mapfile -t steps < <(start_steps "$folder" winxp)
robot_run "$name" "${steps[@]}" check 1003 0 check 1006 1 address 10.0.0.5 dump click 1 box answer 1 wait-exit
spooler_report "$name" after
expect "$name" "the address control holds 10.0.0.5" last_control "$name" 1034 'address="10.0.0.5"'
expect_installed "$name" "$korean_model" "$success_korean" "IP_10.0.0.5" Hwin2K.drv CP949
expect "$name" "Wine made no port IP_10.0.0.5" report_lacks "$name" after 'port name="IP_10.0.0.5"'

# ------------------------------------------------------------------------------------------------
# The section's package is missing: each system looks for its own package only. The dialog stays.
missing_cases=(
  # name | prefix | version | package
  "missing-win7|en32|win7|Win7V.drv"
  "missing-win98|en32|win98|Win95.drv"
  "missing-x64|en64|win7|Win7V64.drv"
  "missing-winxp-ko|ko32|winxp|Hwin2K.drv"
)
for row in "${missing_cases[@]}"; do
  IFS='|' read -r name prefix version package <<<"$row"
  prefix_use "$prefix"
  folder=$(fresh_dist "$name")
  rm "$folder/$package"
  model=$english_model
  [ "$prefix" = ko32 ] && model=$korean_model
  spooler_reset "$name" "$model" printer
  mapfile -t steps < <(start_steps "$folder" "$version")
  robot_run "$name" "${steps[@]}" check 1003 0 click 1 box answer 1 dump close wait-exit
  spooler_report "$name" after
  expect "$name" "robot did every step" robot_succeeded "$name"
  expect "$name" "without $package: \"Driver dosen't match your OS version.\", caption Install, exclamation" \
    has_line "$name" "$package_missing"
  expect "$name" "the dialog stays open and takes input" \
    has_match "$name" 'dialog caption=".*   (Printer Driver Install|프린터 드라이버 설치)" visible=1 enabled=1'
  expect "$name" "nothing staged, the spooler as before" nothing_staged
  expect "$name" "spooler report unchanged" spooler_unchanged "$name"
done

checks_summary
