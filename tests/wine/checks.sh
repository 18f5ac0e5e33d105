# shellcheck shell=bash
# Checks and spooler state for the install and distribution scenarios under Wine. Sourced after
# prefix.sh and bench_init:
#
#   checks_init LOGS                 where robot transcripts and spooler reports go
#   expect SCENARIO WHAT COMMAND...  one check: `ok   SCENARIO: WHAT` or `FAIL ...` with details
#   robot_run NAME STEP...           robot.exe in the current prefix; transcript LOGS/NAME.log
#   spooler_reset NAME MODEL [printer]   printer MODEL and its drivers gone, staged files
#                                    removed, the default-printer entry set to a sentinel (with
#                                    `printer`: the printer and staged files only); the spooler
#                                    as it is then in LOGS/NAME.before
#   spooler_report NAME WHEN         the spooler as spooler_probe.exe sees it: LOGS/NAME.WHEN
#   checks_summary                   prints `N passed, M failed`; fails when a check failed
#
# Needs ROBOT (robot.exe) and PROBE (spooler_probe.exe).

CHECKS_LOGS=
CHECKS_PASSED=0
CHECKS_FAILED=0
# The default-printer entry each reset leaves, so that a scenario can tell whether the program
# wrote one.
SENTINEL_DEVICE="Bench Sentinel,winspool,LPT2:"
# What the demo packages unpack and the install stages, by the name each gets.
DEMO_STAGED_FILES=(DEMODRV.DLL DEMODRV.DRV DEMOUI.DLL DEMO.PPD DEMO.HLP)

checks_init() {
  CHECKS_LOGS=$1
  rm -rf "$CHECKS_LOGS"
  mkdir -p "$CHECKS_LOGS"
}

expect() {
  local scenario=$1 what=$2
  shift 2
  local detail
  if detail=$("$@" 2>&1 >/dev/null); then
    CHECKS_PASSED=$((CHECKS_PASSED + 1))
    printf 'ok   %s: %s\n' "$scenario" "$what"
  else
    CHECKS_FAILED=$((CHECKS_FAILED + 1))
    printf 'FAIL %s: %s\n' "$scenario" "$what"
    [ -z "$detail" ] || printf '%s\n' "$detail" | sed 's/^/       /'
  fi
}

checks_summary() {
  echo "$CHECKS_PASSED passed, $CHECKS_FAILED failed"
  [ "$CHECKS_FAILED" = 0 ]
}

log_of() { printf '%s/%s.log' "$CHECKS_LOGS" "$1"; }

# robot_run NAME STEP...: one robot run in the current prefix. A step that fails ends the
# program and is reported by robot_succeeded.
robot_run() {
  local name=$1
  shift
  local rc=0
  bench_wine 300 wine "$ROBOT" --timeout 60000 -- mark "$name" "$@" \
    >"$(log_of "$name")" 2>"$CHECKS_LOGS/$name.stderr" || rc=$?
  [ "$rc" = 0 ] || [ "$rc" = 1 ] || echo "error robot.exe ended with $rc" >>"$(log_of "$name")"
}

# The robot did every step.
robot_succeeded() {
  local log
  log=$(log_of "$1")
  grep -q "^end $1 ok=1 " "$log" && return 0
  grep -E '^(error|end|note|box) ' "$log" >&2 || echo "the robot did not run to the end" >&2
  return 1
}

# has_line NAME LINE: the transcript holds exactly this line.
has_line() {
  local log
  log=$(log_of "$1")
  grep -qxF -- "$2" "$log" && return 0
  printf 'wanted: %s\n' "$2" >&2
  grep -E "^${2%% *} " "$log" | head -5 | sed 's/^/seen:   /' >&2
  return 1
}

# has_match NAME REGEX: a line of the transcript matches the extended regular expression whole.
has_match() {
  local log
  log=$(log_of "$1")
  grep -qxE -- "$2" "$log" && return 0
  printf 'wanted a line matching: %s\n' "$2" >&2
  grep -E '^box ' "$log" | head -5 | sed 's/^/seen:   /' >&2
  return 1
}

# last_control NAME ID FIELD...: the control's line in the last dump has every FIELD (name=value).
last_control() {
  local name=$1 id=$2 line field bad=0
  shift 2
  line=$(grep "^control id=$id " "$(log_of "$name")" | tail -1 || true)
  [ -n "$line" ] || { echo "control $id is not in a dump" >&2; return 1; }
  line=${line%% text=*}
  for field in "$@"; do
    if [[ " $line " != *" $field "* ]]; then
      printf 'control %s: wanted %s; seen %s\n' "$id" "$field" "$line" >&2
      bad=1
    fi
  done
  return $bad
}

# ------------------------------------------------------------------------------------------------
# Spooler state

spool_dir() { printf '%s/drive_c/windows/system32/spool/drivers' "$WINEPREFIX"; }

temp_dirs() { compgen -G "$WINEPREFIX/drive_c/users/*/Temp" || true; }

# A .reg file in UTF-16, so that a Korean model name survives whatever the code page.
write_reg_file() {
  local file=$1
  shift
  { printf 'Windows Registry Editor Version 5.00\r\n\r\n'; printf '%s\r\n' "$@"; } |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$file"
}

spooler_reset() {
  local name=$1 model=$2 what=${3:-all}
  local environments='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Print\Environments'
  local reg=$CHECKS_LOGS/$name.reset.reg
  if [ "$what" = all ]; then
    write_reg_file "$reg" \
      "[-$environments\\Windows NT x86\\Drivers\\Version-3\\$model]" \
      "[-$environments\\Windows x64\\Drivers\\Version-3\\$model]" \
      "[-$environments\\Windows 4.0\\Drivers\\Version-0\\$model]" \
      '' '[HKEY_CURRENT_USER\Software\Microsoft\Windows NT\CurrentVersion\Windows]' \
      "\"device\"=\"$SENTINEL_DEVICE\""
    bench_wine 120 wine regedit /S "$(winpath "$reg")" >/dev/null 2>&1
  fi
  local spool dir file temp
  spool=$(spool_dir)
  for dir in "$spool"/w32x86 "$spool"/w32x86/3 "$spool"/win40 "$spool"/win40/0 "$spool"/x64 "$spool"/x64/3; do
    for file in "${DEMO_STAGED_FILES[@]}"; do rm -f "$dir/$file"; done
  done
  # What the packages left in %TEMP%: their copies and the folder they unpack into.
  for temp in $(temp_dirs); do
    rm -rf "$temp/KVERNsetup"
    rm -f "$temp"/*.exe
  done
  bench_wine 120 wine "$PROBE" delete "$model" >"$CHECKS_LOGS/$name.before" 2>/dev/null
}

spooler_report() {
  bench_wine 120 wine "$PROBE" >"$CHECKS_LOGS/$1.$2" 2>/dev/null
}

# report_line NAME WHEN LINE: the spooler report holds exactly this line.
report_line() {
  local report=$CHECKS_LOGS/$1.$2
  grep -qxF -- "$3" "$report" && return 0
  printf 'wanted: %s\n' "$3" >&2
  grep -E "^${3%% *} " "$report" | head -5 | sed 's/^/seen:   /' >&2
  return 1
}

# report_starts NAME WHEN PREFIX: a line of the report begins with PREFIX.
report_starts() {
  local report=$CHECKS_LOGS/$1.$2 line
  while IFS= read -r line; do
    [[ $line == "$3"* ]] && return 0
  done <"$report"
  printf 'wanted a line beginning: %s\n' "$3" >&2
  grep -E "^${3%% *} " "$report" | head -5 | sed 's/^/seen:   /' >&2
  return 1
}

# report_lacks NAME WHEN PREFIX: no line of the report begins with PREFIX.
report_lacks() {
  local report=$CHECKS_LOGS/$1.$2 line
  while IFS= read -r line; do
    if [[ $line == "$3"* ]]; then
      printf 'unwanted: %s\n' "$line" >&2
      return 1
    fi
  done <"$report"
  return 0
}

# spooler_unchanged NAME: the report after the scenario is the one from before it.
spooler_unchanged() {
  diff <(grep -v '^deleted ' "$CHECKS_LOGS/$1.before") "$CHECKS_LOGS/$1.after" >&2
}

# same_files DIR REFERENCE NAME...: each file in DIR has the bytes of the one in REFERENCE.
same_files() {
  local dir=$1 reference=$2 file bad=0
  shift 2
  for file in "$@"; do
    if [ ! -f "$dir/$file" ]; then
      echo "no $dir/$file" >&2
      bad=1
    elif ! cmp -s "$dir/$file" "$reference/$file"; then
      echo "$dir/$file ($(stat -c %s "$dir/$file") bytes) differs from $reference/$file ($(stat -c %s "$reference/$file") bytes)" >&2
      bad=1
    fi
  done
  return $bad
}

# only_files DIR NAME...: DIR holds exactly these files (names compared without case, as
# Windows does).
only_files() {
  local dir=$1
  shift
  local seen wanted
  seen=$(cd "$dir" && find . -mindepth 1 -printf '%P\n' | tr '[:lower:]' '[:upper:]' | sort)
  wanted=$(printf '%s\n' "$@" | tr '[:lower:]' '[:upper:]' | sort)
  [ "$seen" = "$wanted" ] && return 0
  printf 'wanted: %s\nseen:   %s\n' "$(tr '\n' ' ' <<<"$wanted")" \
    "$(cd "$dir" && find . -mindepth 1 -printf '%P\n' | sort | tr '\n' ' ')" >&2
  return 1
}

# nothing_staged: no demo driver file in the spooler's driver directories.
nothing_staged() {
  local found
  found=$(find "$(spool_dir)" -type f \( -name 'DEMO*' \) -printf '%P\n' | sort)
  [ -z "$found" ] && return 0
  echo "staged: $(tr '\n' ' ' <<<"$found")" >&2
  return 1
}

# ini_value FILE SECTION KEY: the value of KEY in SECTION of a Windows profile file (CR LF).
ini_value() {
  tr -d '\r' <"$1" | awk -v section="[$2]" -v key="$3" '
    /^\[/ { inside = (tolower($0) == tolower(section)); next }
    inside { i = index($0, "="); if (i && tolower(substr($0, 1, i - 1)) == tolower(key)) { print substr($0, i + 1); exit } }'
}

# ini_has FILE SECTION KEY VALUE
ini_has() {
  local value
  value=$(ini_value "$1" "$2" "$3")
  [ "$value" = "$4" ] && return 0
  printf '%s: [%s] %s is "%s", wanted "%s"\n' "$1" "$2" "$3" "$value" "$4" >&2
  return 1
}
