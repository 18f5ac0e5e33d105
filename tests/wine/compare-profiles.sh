#!/usr/bin/env bash
# Holds the Linux profile-file reader and writer (StoredProfileFiles, through profile_probe_host)
# against Windows' own GetPrivateProfileStringA, GetPrivateProfileIntA and
# WritePrivateProfileStringA under Wine (profile_probe.exe), on the files in profile-cases/ and
# two big ones made here.
#
#   bash tests/wine/compare-profiles.sh
#
# Each case is NAME.queries (see profile_probe.cc for the format) with the file NAME.ini, or no
# file when there is no NAME.ini. A queries file may say
#   # file: PATH          run on PATH (relative to the case folder) instead of NAME.ini
#   # wine-rewrites-file  do not compare the written bytes: Wine writes the whole file anew
#                         (blank lines dropped, blanks trimmed), where Windows and the program
#                         change the key's line only; the reads after the writes still count.
# A case passes when both probes give the same answers and leave the same bytes in its file.
# Prints a diff for each failing case and closes with "N passed, M failed".
#
# Settings from the environment:
#   HOST_BUILD (build/host), WIN_BUILD (build/win32),
#   PROBE_EXE ($WIN_BUILD/tests/wine/profile_probe.exe),
#   WINE (wine), WINESERVER (wineserver), WINEPREFIX (default: a private prefix made in
#   build/wine/profile-prefix; never ~/.wine), PROFILE_LOCALE (ko_KR.UTF-8: code page 949, as on
#   the Korean systems the program is for), WINE_TIMEOUT (seconds, 1800).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
cd "$repo"

HOST_BUILD=${HOST_BUILD:-build/host}
WIN_BUILD=${WIN_BUILD:-build/win32}
PROBE_EXE=${PROBE_EXE:-$WIN_BUILD/tests/wine/profile_probe.exe}
WINESERVER=${WINESERVER:-wineserver}
PROFILE_LOCALE=${PROFILE_LOCALE:-ko_KR.UTF-8}
WINE_TIMEOUT=${WINE_TIMEOUT:-1800}
read -ra wine_command <<<"${WINE:-wine}"

host_probe=$HOST_BUILD/tests/profile_probe_host
cases=$here/profile-cases
work=$repo/build/wine/profile-compare

say() { printf 'compare-profiles: %s\n' "$*" >&2; }

if [ ! -x "$host_probe" ]; then
  say "no $host_probe: cmake --build --preset host --target profile_probe_host"
  exit 2
fi
if [ ! -f "$PROBE_EXE" ]; then
  say "no $PROBE_EXE: cmake --build $WIN_BUILD --target profile_probe"
  exit 2
fi
host_probe=$(realpath "$host_probe")
probe_exe=$(realpath "$PROBE_EXE")

# Wine takes its ANSI code page from the locale; without the Korean one it silently reads the
# files as code page 1252.
wanted_locale=$(tr -d '-' <<<"${PROFILE_LOCALE,,}")
known_locales=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | tr -d '-')
if ! grep -qx "$wanted_locale" <<<"$known_locales"; then
  say "locale $PROFILE_LOCALE is missing (scripts/install-deps makes it)"
  exit 2
fi

# ------------------------------------------------------------------------------------------------
# The Wine prefix: the caller's, or a private one made once.

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winedbg.exe=d}
unset DISPLAY
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX=$repo/build/wine/profile-prefix
fi
if [ "$(realpath -m "$WINEPREFIX")" = "$(realpath -m "$HOME/.wine")" ]; then
  say "refusing to use ~/.wine; set WINEPREFIX to a prefix of its own"
  exit 2
fi
export WINEPREFIX

ensure_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  say "making the Wine prefix $WINEPREFIX (minutes under emulation)"
  mkdir -p "$WINEPREFIX"
  if ! (export LC_ALL=$PROFILE_LOCALE LANG=$PROFILE_LOCALE
        timeout -k 10 "$WINE_TIMEOUT" "${wine_command[@]}" wineboot -i &&
          timeout -k 10 "$WINE_TIMEOUT" "$WINESERVER" -w) >"$work/wineboot.log" 2>&1; then
    say "making the prefix failed; see $work/wineboot.log"
    exit 2
  fi
}

# ------------------------------------------------------------------------------------------------
# The cases.

repeat() { head -c "$2" /dev/zero | tr '\0' "$1"; }

# The big cases live here rather than in the repository: a value line and a junk line of
# 100 KB each, and values around the 4095 characters the program's 4096-character buffers hold.
make_big_cases() {
  local dir=$1
  {
    printf '[L]\r\nbig='; repeat y 102400; printf '\r\n'
    repeat g 102400; printf '\x01\xff\r\n'
    printf 'after=ok\r\n'
  } >"$dir/long-line.ini"
  printf '%s\n' '# A 100 KB line is cut to the buffer; a 100 KB junk line hides nothing after it.' \
    $'get\tL\tbig\tD' $'get\tL\tafter\tD' $'get\tL\tbig\tD\t200000' $'int\tL\tbig\t5' \
    >"$dir/long-line.queries"

  {
    printf '[V]\r\nlong='; repeat z 4100; printf '\r\n'
    printf 'q="'; repeat x 4095; printf '"\r\n'
    printf 'q2="'; repeat x 4094; printf '"\r\n'
  } >"$dir/long-value.ini"
  {
    printf '%s\n' '# Values longer than the buffer, quoted ones at its edge, and a long write.' \
      $'get\tV\tlong\tD' $'get\tV\tq\tD' $'get\tV\tq\tD\t4097' $'get\tV\tq2\tD'
    printf 'write\tV\tw\t'; repeat w 5000; printf '\n'
    printf '%s\n' $'get\tV\tw\tD' $'get\tV\tw\tD\t8192'
  } >"$dir/long-value.queries"
}

# The file a case runs on, relative to its folder.
case_file() {
  local name=$1 line
  line=$(grep -m1 '^# file: ' "$cases_dir/$name.queries" || true)
  if [ -n "$line" ]; then printf '%s' "${line#\# file: }"; else printf '%s.ini' "$name"; fi
}

rewrites_file() { grep -qx '# wine-rewrites-file' "$cases_dir/$1.queries"; }

# The answers of one probe for one file: the lines after its "== FILE" header.
answers() { awk -v header="== $2" '$0 == header { on = 1; next } /^== / { on = 0 } on' "$1"; }

# A file as lines with every byte visible, for a readable diff of written files.
visible() { if [ -f "$1" ]; then sed -n 'l 0' "$1" | cut -c1-400; else echo "(no file)"; fi; }

same_bytes() {
  if [ -f "$1" ] && [ -f "$2" ]; then cmp -s "$1" "$2"; else [ ! -e "$1" ] && [ ! -e "$2" ]; fi
}

rm -rf "$work"
mkdir -p "$work"
cases_dir=$work/cases
mkdir -p "$cases_dir"
cp "$cases"/*.queries "$cases_dir/"
cp "$cases"/*.ini "$cases_dir/"
make_big_cases "$cases_dir"
cp -r "$cases_dir" "$work/host"
cp -r "$cases_dir" "$work/wine"

names=()
args=()
for queries in "$cases_dir"/*.queries; do
  name=$(basename "$queries" .queries)
  names+=("$name")
  args+=("$(case_file "$name")" "$name.queries")
done

# ------------------------------------------------------------------------------------------------
# Both probes over every case; Wine in one process, as each start costs a minute or more.

passed=0
failed=0
# probe_failed PROBE STATUS: a probe that did not run to its end counts as one failure.
probe_failed() {
  say "the $1 probe exited with $2:"
  tail -n 20 "$work/$1.err" >&2
  failed=$((failed + 1))
}

status=0
(cd "$work/host" && "$host_probe" "${args[@]}" >"$work/host.out" 2>"$work/host.err") || status=$?
[ "$status" = 0 ] || probe_failed host "$status"

ensure_prefix
say "running profile_probe.exe under Wine"
status=0
(cd "$work/wine" && LC_ALL=$PROFILE_LOCALE LANG=$PROFILE_LOCALE \
  timeout -k 10 "$WINE_TIMEOUT" "${wine_command[@]}" "$probe_exe" "${args[@]}" \
  >"$work/wine.out" 2>"$work/wine.err") || status=$?
[ "$status" = 0 ] || probe_failed wine "$status"

# ------------------------------------------------------------------------------------------------
# One verdict per case.

for name in "${names[@]}"; do
  file=$(case_file "$name")
  problems=""
  if ! answer_diff=$(diff -u --label "wine $name" --label "host $name" \
      <(answers "$work/wine.out" "$file") <(answers "$work/host.out" "$file")); then
    problems+="answers differ:"$'\n'"$(cut -c1-400 <<<"$answer_diff")"$'\n'
  fi
  if ! rewrites_file "$name" && ! same_bytes "$work/wine/$file" "$work/host/$file"; then
    problems+="bytes of $file differ:"$'\n'
    problems+="$(diff -u --label "wine $file" --label "host $file" \
      <(visible "$work/wine/$file") <(visible "$work/host/$file") || true)"$'\n'
  fi
  if [ -z "$problems" ] && [ -z "$(answers "$work/wine.out" "$file")" ]; then
    problems="no answers from Wine"$'\n'
  fi
  if [ -z "$problems" ]; then
    passed=$((passed + 1))
    printf 'ok   %s\n' "$name"
  else
    failed=$((failed + 1))
    printf 'FAIL %s\n' "$name"
    printf '%s' "$problems" | sed 's/^/       /'
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
