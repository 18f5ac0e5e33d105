#!/usr/bin/env bash
# End-to-end scenarios: Install.exe of the demo distribution started under Wine and driven from
# outside by robot.exe, in an English 64-bit (WoW64) and 32-bit prefix and a Korean 32-bit one.
#
#   bash tests/wine/scenarios.sh [DIST]        (DIST: build/dist, laid out by scripts/build)
#
# Prints one line per check (`ok   ...` or `FAIL ...` with what was seen) and closes with
# `N passed, M failed`; exits non-zero when a check failed. Robot transcripts are kept in
# build/wine/logs/. See tests/wine/README.md for what each scenario shows.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source-path=SCRIPTDIR source=prefix.sh
source "$here/prefix.sh"

dist=$(realpath "${1:-$repo/build/dist}")
robot=${ROBOT_EXE:-$repo/build/win32/tests/wine/robot.exe}
logs=$BENCH_DIR/logs
[ -f "$dist/Install.exe" ] || { echo "no $dist/Install.exe: run scripts/build first" >&2; exit 2; }
[ -f "$robot" ] || { echo "no $robot: build the win32 target robot first" >&2; exit 2; }

bench_init
rm -rf "$logs"
mkdir -p "$logs"

passed=0
failed=0

# ------------------------------------------------------------------------------------------------
# Checks

# expect SCENARIO WHAT COMMAND...: one check; COMMAND prints on stderr what it saw when it fails.
expect() {
  local scenario=$1 what=$2
  shift 2
  local detail
  if detail=$("$@" 2>&1 >/dev/null); then
    passed=$((passed + 1))
    printf 'ok   %s: %s\n' "$scenario" "$what"
  else
    failed=$((failed + 1))
    printf 'FAIL %s: %s\n' "$scenario" "$what"
    [ -z "$detail" ] || printf '%s\n' "$detail" | sed 's/^/       /'
  fi
}

log_of() { printf '%s/%s.log' "$logs" "$1"; }

# The robot did every step of the scenario.
robot_succeeded() {
  local log
  log=$(log_of "$1")
  grep -q "^end $1 ok=1 " "$log" && return 0
  grep -E '^(error|end|note) ' "$log" >&2 || echo "the scenario did not run to its end" >&2
  return 1
}

# has_line SCENARIO LINE: the transcript holds exactly this line.
has_line() {
  local log
  log=$(log_of "$1")
  grep -qxF -- "$2" "$log" && return 0
  printf 'wanted: %s\n' "$2" >&2
  grep -E "^${2%% *} " "$log" | head -5 | sed 's/^/seen:   /' >&2
  return 1
}

# line_count SCENARIO PREFIX N: the transcript holds N lines starting with PREFIX.
line_count() {
  local count
  count=$(grep -c -- "^$2" "$(log_of "$1")" || true)
  [ "$count" = "$3" ] && return 0
  printf 'wanted %s lines "%s...", seen %s\n' "$3" "$2" "$count" >&2
  return 1
}

# controls SCENARIO ROW...: each ROW "ID field=value ... [text=TEXT]" matches the control line of
# the last dump: every field appears in it, and TEXT (the rest of the row) is its whole text.
controls() {
  local log row id fields text line head field bad=0
  log=$(log_of "$1")
  shift
  for row in "$@"; do
    id=${row%% *}
    fields=${row#"$id"}
    text=
    if [[ $row == *" text="* ]]; then
      text=${row#* text=}
      fields=${fields%% text=*}
    fi
    line=$(grep "^control id=$id " "$log" | tail -1 || true)
    if [ -z "$line" ]; then
      printf 'control %s: not in the dump\n' "$id" >&2
      bad=1
      continue
    fi
    head=${line% text=\"*}
    for field in $fields; do
      if [[ " $head " != *" $field "* ]]; then
        printf 'control %s: wanted %s; seen %s\n' "$id" "$field" "$line" >&2
        bad=1
      fi
    done
    if [[ $row == *" text="* ]] && [[ $line != *" text=\"$text\"" ]]; then
      printf 'control %s: wanted text "%s"; seen %s\n' "$id" "$text" "${line#"$head" }" >&2
      bad=1
    fi
  done
  return $bad
}

# ------------------------------------------------------------------------------------------------
# Runs

# Each prefix gets one robot run that holds all its scenarios (every start of a 32-bit process
# costs much under emulation): scenario appends a section to the run of its prefix, run_batch
# runs it and splits the transcript into one log per scenario.
# shellcheck disable=SC2034  # used through namerefs
batch_en64=()
# shellcheck disable=SC2034
batch_en32=()
# shellcheck disable=SC2034
batch_ko32=()

# scenario NAME PREFIX VERSION DIST STEP...: Install.exe from DIST under the Windows version
# VERSION (Wine's name for it), driven by the steps.
scenario() {
  local name=$1 prefix=$2 version=$3 folder=$4
  shift 4
  local -n steps="batch_$prefix"
  steps+=(mark "$name" version Install.exe "$version"
          start "$(winpath "$folder/Install.exe")" "$(winpath "$folder")" "$@")
}

run_batch() {
  local prefix=$1
  local -n all_steps="batch_$prefix"
  local log=$logs/batch-$prefix.log started=$SECONDS rc=0 sections
  sections=$(printf '%s\n' "${all_steps[@]}" | grep -cx mark || true)
  [ "$sections" -gt 0 ] || return 0
  prefix_use "$prefix"
  bench_wine $((BENCH_WINE_TIMEOUT * sections)) wine "$robot" --timeout 120000 -- "${all_steps[@]}" \
    >"$log" 2>"$logs/batch-$prefix.stderr" || rc=$?
  bench_log "prefix $prefix: $((SECONDS - started)) s for its scenarios (robot rc=$rc)"
  awk -v dir="$logs" '
    /^mark / { file = dir "/" $2 ".log" }
    file != "" { print > file }
    /^end / { close(file); file = "" }' "$log"
  sed -n 's/^end \([^ ]*\) ok=\([01]\) ms=\([0-9]*\)$/\1\t\3/p' "$log" >>"$logs/timings.tsv"
}

# A copy of the distribution whose SETUP.INI is replaced by the bytes on stdin, or removed when
# the case is "missing".
bad_ini_dist() {
  local case=$1
  local folder=$BENCH_DIR/dist-$case
  rm -rf "$folder"
  mkdir -p "$folder"
  cp "$dist/Install.exe" "$dist/MakeDisk.INI" "$folder/"
  if [ "$case" = missing ]; then cat >/dev/null; else cat >"$folder/SETUP.INI"; fi
  printf '%s' "$folder"
}

# ------------------------------------------------------------------------------------------------
# Expected dialogs

english_model="Hanbit Demo Printer LP-1400"
korean_model="한빛 데모 프린터 LP-1400"
english_caption="$english_model   Printer Driver Install"
korean_caption="$korean_model   프린터 드라이버 설치"
address_note="옆의 항목을 체크하시고 주소를 입력하시면 TCP/IP포트로 설정됩니다. 체크해제시 [LPT1:]포트로 자동지정됩니다."
not_supported_function="This function is not supported by this version."

english_main_view=(
  "1 visible=1 enabled=1 text=Install"
  "2 visible=1 enabled=1 text=Exit"
  "3 visible=1 enabled=1 text=Open Printer folder"
  "4 visible=1 enabled=1 text=Advanced"
  "1010 visible=1 text=Printer Driver Install"
  "1004 visible=1 text=O    S"
  "1005 visible=1 text=Model"
  "1002 visible=1 text=Set as a Default Printer"
  "1003 visible=1 text=Open a Printer folder after installed"
  "1006 visible=1 text=Set as a TCP/IP Port"
)
english_panel=(
  "1012 visible=0 text=Make Install Diskette"
  "1014 visible=0 text=Select  O S"
  "1015 visible=0 text=Select Drive"
  "1018 visible=0 text=Make Diskette"
  "1013 visible=0 text=Copy Driver File"
  "1025 visible=0 text=Select  O S"
  "1019 visible=0 text=Folder files will be copied to"
  "1021 visible=0 text=Browse"
  "1022 visible=0 text=Copy"
  "1023 visible=0 text=Back"
  "1024 visible=0 text=Exit"
)
korean_main_view=(
  "1 visible=1 enabled=1 text=드라이버 설치"
  "2 visible=1 enabled=1 text=종     료"
  "3 visible=1 enabled=1 text=프린터 폴더 열기"
  "4 visible=1 enabled=1 text=고     급"
  "1010 visible=1 text=프린터 드라이버 설치"
  "1004 visible=1 text=사용OS :"
  "1005 visible=1 text=모델명  :"
  "1002 visible=1 text=기본 프린터로 설정"
  "1003 visible=1 text=설치 완료 후 프린터 폴더 열기"
  "1006 visible=1 text=TCP/IP로 포트 설정"
  "1035 visible=1 text=프린터 주소입력"
  "1036 visible=1 text=$address_note"
)
korean_panel=(
  "1012 visible=0 text=설치 디스켓 만들기"
  "1018 visible=0 text=설치디스켓 만들기"
  "1013 visible=0 text=드라이버 파일 복사하기"
  "1023 visible=0 text=뒤     로"
)
start_states=(
  "1002 check=1" "1003 check=1" "1006 check=0"
  "1000 visible=1" "1001 visible=1" "1034 visible=1"
  "1007 visible=0"
  "1016 visible=0 selection=0" "1026 visible=0 selection=0" "1017 visible=0" "1020 visible=0"
)

# The checks every started dialog gets: caption, OS name, model name, start states.
expect_start() {
  local scenario=$1 caption=$2 os=$3 model=$4
  expect "$scenario" "caption \"$caption\"" has_line "$scenario" "dialog caption=\"$caption\" visible=1 enabled=1"
  expect "$scenario" "OS name \"$os\" in edit 1000" controls "$scenario" "1000 text=$os"
  expect "$scenario" "model name \"$model\" in edit 1001" controls "$scenario" "1001 text=$model"
  expect "$scenario" "check boxes 1002/1003 on, 1006 off; panel, lists and progress bar hidden" \
    controls "$scenario" "${start_states[@]}"
}

expect_english_texts() {
  local scenario=$1
  expect "$scenario" "English texts of the main view" controls "$scenario" "${english_main_view[@]}"
  expect "$scenario" "English texts of the hidden distribution panel" controls "$scenario" "${english_panel[@]}"
  # The address group and its note have no English text: they keep the template's (under an
  # English code page Wine shows its Hangul as question marks).
  expect "$scenario" "group 1035 and note 1036 keep the template text" controls "$scenario" \
    "1035 visible=1 text=$(hangul_as_unmapped "프린터 주소입력")" \
    "1036 visible=1 text=$(hangul_as_unmapped "$address_note")"
}

# What a Korean template text becomes under an English code page: each Hangul syllable a "?".
hangul_as_unmapped() { printf '%s' "$1" | perl -CSD -pe 's/[\x{AC00}-\x{D7A3}]/?/g'; }

advanced_box_english="box caption=\"Install\" text=\"$not_supported_function\" buttons=1 icon=none owner=visible"

# ------------------------------------------------------------------------------------------------
# The scenarios

# English Windows 7, 64-bit (WoW64) and 32-bit prefix: the start; the close box ends the one, Esc
# the other.
scenario en-win7-x64 en64 win7 "$dist" wait-dialog dump close wait-exit
scenario en-win7-x86 en32 win7 "$dist" wait-dialog dump key 1 esc wait-exit
# Advanced, by a click and by Enter on the button: one box, and no second one after it.
scenario advanced-click en64 win7 "$dist" wait-dialog click 4 box dump answer 1 no-box 5000 close wait-exit
scenario advanced-enter en64 win7 "$dist" wait-dialog key 4 enter box answer 1 no-box 5000 close wait-exit
# Open printer folder: control.exe is started and the dialog stays.
scenario printer-folder en64 win7 "$dist" wait-dialog click 3 alive 5000 no-box 1000 dump close wait-exit
# Windows 8 is outside the version table: named so, no box, and the dialog works.
scenario win8 en64 win8 "$dist" wait-dialog no-box 3000 dump click 4 box answer 1 close wait-exit
# Windows 98: Wine emulates Second Edition only.
scenario win98 en32 win98 "$dist" wait-dialog dump close wait-exit
# Windows NT 3.51 is refused: a box first, then the program ends without taking input.
scenario nt351 en32 nt351 "$dist" box answer 1 wait-exit
# Korean Windows XP: the template's Korean texts, the Korean model name and the Korean box.
scenario ko-winxp ko32 winxp "$dist" wait-dialog dump click 4 box answer 1 close wait-exit

# Bad SETUP.INI: the dialog starts all the same, with the model name as far as it can be read.
long_value=$(head -c 5000 /dev/zero | tr '\0' M)
huge_line=$(head -c $((100 * 1024)) /dev/zero | tr '\0' x)
bad_ini_cases=(
  # case | model name shown
  "missing|"
  "empty|"
  "garbage|"
  "huge-line|After"
  "no-english-key|"
  "long-value|${long_value:0:4095}"
)
for row in "${bad_ini_cases[@]}"; do
  case_name=${row%%|*}
  case $case_name in
    missing | empty) printf '' ;;
    garbage) printf '\x01\xff\xfe\x00[MO\x00DEL]\n\x7f=\x80'; printf '\x00\x1a\xff%.0s' $(seq 1 200) ;;
    huge-line) printf '%s\r\n[MODEL]\r\nEnglishModelName=After\r\n' "$huge_line" ;;
    no-english-key) printf '[MODEL]\r\nModelName=Korean only\r\n' ;;
    long-value) printf '[MODEL]\r\nEnglishModelName=%s\r\n' "$long_value" ;;
  esac | bad_ini_dist "$case_name" >/dev/null
  scenario "ini-$case_name" en32 win7 "$BENCH_DIR/dist-$case_name" wait-dialog no-box 2000 dump close wait-exit
done

# ------------------------------------------------------------------------------------------------
# The runs

xvfb_start
prefix_ensure_all "en64 win64 en_US.UTF-8" "en32 win32 en_US.UTF-8" "ko32 win32 ko_KR.UTF-8"
run_batch en64
run_batch en32
run_batch ko32

# ------------------------------------------------------------------------------------------------
# The checks

expect en-win7-x64 "robot did every step" robot_succeeded en-win7-x64
expect_start en-win7-x64 "$english_caption" "Windows 7" "$english_model"
expect_english_texts en-win7-x64
expect en-win7-x64 "the close box ends the program with code 0" has_line en-win7-x64 "exit code=0"

expect en-win7-x86 "robot did every step" robot_succeeded en-win7-x86
expect_start en-win7-x86 "$english_caption" "Windows 7" "$english_model"
expect_english_texts en-win7-x86
expect en-win7-x86 "Esc ends the program with code 0" has_line en-win7-x86 "exit code=0"

for name in advanced-click advanced-enter; do
  expect "$name" "robot did every step" robot_succeeded "$name"
  expect "$name" "box \"$not_supported_function\", caption Install, OK only, no icon" \
    has_line "$name" "$advanced_box_english"
  expect "$name" "exactly one box" line_count "$name" "box " 1
done
expect advanced-click "the dialog takes no input while the box is open" \
  has_line advanced-click "dialog caption=\"$english_caption\" visible=1 enabled=0"

expect printer-folder "robot did every step" robot_succeeded printer-folder
expect printer-folder "the dialog is still open afterwards" \
  has_line printer-folder "dialog caption=\"$english_caption\" visible=1 enabled=1"
expect printer-folder "the program ends only when closed" has_line printer-folder "exit code=0"

expect win8 "robot did every step" robot_succeeded win8
expect win8 "\"Not supported OS version\" in edit 1000" controls win8 "1000 text=Not supported OS version"
expect win8 "no box at the start, Advanced shows its box" has_line win8 "$advanced_box_english"
expect win8 "exactly one box" line_count win8 "box " 1

expect win98 "robot did every step" robot_succeeded win98
expect win98 "\"Windows 98SE\" in edit 1000" controls win98 "1000 text=Windows 98SE"

expect nt351 "robot did every step" robot_succeeded nt351
# owner=hidden: the box belongs to the dialog, which was never shown yet.
expect nt351 "box \"Not supported OS version\", caption Install, OK only, no icon, before the dialog shows" \
  has_line nt351 "box caption=\"Install\" text=\"Not supported OS version\" buttons=1 icon=none owner=hidden"
expect nt351 "the program ends by itself with code 0 after the box" has_line nt351 "exit code=0"

for row in "${bad_ini_cases[@]}"; do
  name=ini-${row%%|*}
  model=${row#*|}
  expect "$name" "robot did every step (the dialog starts, no box)" robot_succeeded "$name"
  expect "$name" "model name of ${#model} characters, caption from it" \
    has_line "$name" "dialog caption=\"$model   Printer Driver Install\" visible=1 enabled=1"
  expect "$name" "edit 1001 holds that model name" controls "$name" "1001 text=$model"
done

expect ko-winxp "robot did every step" robot_succeeded ko-winxp
expect_start ko-winxp "$korean_caption" "Windows XP" "$korean_model"
expect ko-winxp "Korean texts of the main view" controls ko-winxp "${korean_main_view[@]}"
expect ko-winxp "Korean texts of the hidden distribution panel" controls ko-winxp "${korean_panel[@]}"
expect ko-winxp "Advanced: the Korean box, captioned with the model name" has_line ko-winxp \
  "box caption=\"$korean_model\" text=\"현재 버전에서는 이 기능을 지원하지 않습니다.\" buttons=1 icon=none owner=visible"

if [ -s "$logs/timings.tsv" ]; then
  bench_log "seconds per scenario: $(awk -F'\t' '{ printf "%s %.0f  ", $1, $2 / 1000 }' "$logs/timings.tsv")"
fi
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
