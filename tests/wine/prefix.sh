# shellcheck shell=bash disable=SC2030,SC2031
# Wine prefixes and the X server for the Wine scenarios. Sourced, not run:
#
#   source tests/wine/prefix.sh
#   bench_init                               # 32-bit Wine, settings, cleanup trap
#   xvfb_start                               # a private X server; exports DISPLAY
#   prefix_ensure en64 win64 en_US.UTF-8     # creates build/wine/prefix-en64 once
#   prefix_ensure_all "en64 win64 en_US.UTF-8" "ko32 win32 ko_KR.UTF-8"   # several, side by side
#   prefix_use en64                          # WINEPREFIX and LANG for the next wine calls
#   prefix_set_version Install.exe win7      # the Windows version Wine reports to that program
#   bench_wine 300 wine robot.exe ...        # any wine command, under timeout
#
# A prefix is made once and kept under build/wine/ (making one costs minutes when 32-bit Wine
# runs under emulation); WINE_BENCH_FRESH=1 makes them again. Each prefix belongs to the locale
# it was made under: a prefix for Korean runs must be made under ko_KR.UTF-8, whose system fonts
# then get the Korean character set. Every wine call runs with WINEDEBUG=-all and without Mono
# and Gecko, under `timeout`. bench_cleanup (run by the trap) stops the wineservers and the X
# server this shell started.

BENCH_REPO=${BENCH_REPO:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
BENCH_DIR=${BENCH_DIR:-$BENCH_REPO/build/wine}
# Generous: under emulation a first start of a prefix takes minutes.
BENCH_CREATE_TIMEOUT=${BENCH_CREATE_TIMEOUT:-3600}
BENCH_WINE_TIMEOUT=${BENCH_WINE_TIMEOUT:-900}
BENCH_SCREEN=${BENCH_SCREEN:-1024x768}
# Bumped when the way a prefix is set up changes, so that older prefixes are made again.
BENCH_PREFIX_LAYOUT=1

BENCH_PREFIXES_USED=()
BENCH_XVFB_PID=
declare -A BENCH_VERSION_SET=()

bench_log() { printf '[wine] %s\n' "$*" >&2; }

bench_init() {
  mkdir -p "$BENCH_DIR"
  # Machines whose kernel cannot run 32-bit code need Wine's 32-bit half set up first (root).
  if [ -f "$BENCH_REPO/tests/wine/enable-wine32.sh" ]; then
    bash "$BENCH_REPO/tests/wine/enable-wine32.sh" >/dev/null 2>"$BENCH_DIR/enable-wine32.log" || {
      cat "$BENCH_DIR/enable-wine32.log" >&2
      bench_log "32-bit Wine could not be set up"
      return 1
    }
  fi
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # The host's locale settings must not override the LANG of each prefix.
  unset LC_ALL LC_CTYPE LC_MESSAGES LANGUAGE
  trap bench_cleanup EXIT
  trap 'exit 130' INT TERM
}

# A Windows path for a path on the Linux file system (Wine's Z: drive is /).
winpath() {
  local path
  path=$(realpath -m "$1")
  printf 'Z:%s' "${path//\//\\}"
}

prefix_path() { printf '%s/prefix-%s' "$BENCH_DIR" "$1"; }

bench_wine_fonts() {
  local fonts=/usr/share/wine/fonts
  if ! compgen -G "$fonts/*.ttf" >/dev/null; then
    # Debian keeps Wine's own fonts (Tahoma, Marlett, ...) in the package fonts-wine.
    if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
      bench_log "installing fonts-wine"
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends fonts-wine >/dev/null
    fi
  fi
  compgen -G "$fonts/*.ttf" >/dev/null || { bench_log "no Wine fonts in $fonts (package fonts-wine)"; return 1; }
  printf '%s\n' "$fonts"
}

# prefix_ensure NAME ARCH LOCALE: makes the prefix unless a complete one of the same kind exists.
prefix_ensure() {
  local name=$1 arch=$2 locale=$3
  local prefix stamp fonts started
  prefix=$(prefix_path "$name")
  stamp="layout=$BENCH_PREFIX_LAYOUT arch=$arch locale=$locale wine=$(wine --version 2>/dev/null)"
  if [ "${WINE_BENCH_FRESH:-0}" != 1 ] && [ -f "$prefix/.bench-ready" ] &&
     [ "$(cat "$prefix/.bench-ready")" = "$stamp" ]; then
    return 0
  fi
  fonts=$(bench_wine_fonts)
  bench_log "making prefix $name ($arch, $locale); this takes a while"
  started=$SECONDS
  if [ -d "$prefix" ]; then
    WINEPREFIX=$prefix timeout 60 wineserver -k >/dev/null 2>&1 || true
    rm -rf "$prefix"
  fi
  mkdir -p "$(dirname "$prefix")"
  # No DISPLAY while the prefix is made: nothing to show, and no window to wait for.
  (
    export WINEPREFIX=$prefix WINEARCH=$arch LANG=$locale
    unset DISPLAY
    timeout "$BENCH_CREATE_TIMEOUT" wineboot -i
    timeout "$BENCH_CREATE_TIMEOUT" wineserver -w
  ) >"$BENCH_DIR/prefix-$name.log" 2>&1 || {
    bench_log "making prefix $name failed; see $BENCH_DIR/prefix-$name.log"
    WINEPREFIX=$prefix timeout 60 wineserver -k >/dev/null 2>&1 || true
    return 1
  }
  cp "$fonts"/*.ttf "$prefix/drive_c/windows/Fonts/"
  # Wine's virtual desktop: caption bars, and windows that close without a wait.
  local settings="$BENCH_DIR/prefix-$name.reg"
  printf '%s\r\n' 'REGEDIT4' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' "\"Default\"=\"$BENCH_SCREEN\"" '' \
    >"$settings"
  (
    export WINEPREFIX=$prefix LANG=$locale
    unset DISPLAY
    timeout "$BENCH_WINE_TIMEOUT" wine regedit /S "$(winpath "$settings")"
    timeout "$BENCH_WINE_TIMEOUT" wineserver -w
  ) >>"$BENCH_DIR/prefix-$name.log" 2>&1 || { bench_log "settings of prefix $name failed"; return 1; }
  printf '%s' "$stamp" >"$prefix/.bench-ready"
  bench_log "prefix $name ready after $((SECONDS - started)) s"
}

# prefix_ensure_all "NAME ARCH LOCALE"...: prefix_ensure for each, the missing ones made side by
# side.
prefix_ensure_all() {
  local row pids=() pid status=0
  for row in "$@"; do
    # shellcheck disable=SC2086
    prefix_ensure $row &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid" || status=1; done
  return $status
}

# prefix_use NAME: the prefix of the next wine calls, with the locale it was made under.
prefix_use() {
  local prefix
  prefix=$(prefix_path "$1")
  [ -f "$prefix/.bench-ready" ] || { bench_log "prefix $1 was not made"; return 1; }
  export WINEPREFIX=$prefix
  export LANG
  LANG=$(sed -n 's/.* locale=\([^ ]*\) .*/\1/p' "$prefix/.bench-ready")
  local known
  for known in "${BENCH_PREFIXES_USED[@]}"; do [ "$known" = "$prefix" ] && return 0; done
  BENCH_PREFIXES_USED+=("$prefix")
  # One wineserver for the whole run: later starts find services and the desktop running.
  timeout 60 wineserver -p >/dev/null 2>&1 || true
}

# bench_wine SECONDS COMMAND...: a wine command under timeout in the current prefix.
bench_wine() {
  local seconds=$1
  shift
  timeout -k 10 "$seconds" "$@"
}

# prefix_set_version PROGRAM VERSION: the Windows version Wine reports to PROGRAM (its file name)
# in the current prefix (win98, winxp, win7, nt351, ...). Wins over the prefix-wide version.
prefix_set_version() {
  local program=$1 version=$2
  local key="$WINEPREFIX|$program"
  [ "${BENCH_VERSION_SET[$key]:-}" = "$version" ] && return 0
  bench_wine "$BENCH_WINE_TIMEOUT" wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$program" \
    /v Version /d "$version" /f >/dev/null 2>&1 || {
    bench_log "setting version $version for $program failed"
    return 1
  }
  BENCH_VERSION_SET[$key]=$version
}

# xvfb_start: an X server on a display no one uses (Xvfb picks it), screen as the desktop.
xvfb_start() {
  local display_file="$BENCH_DIR/xvfb.display"
  local _ display
  rm -f "$display_file"
  Xvfb -displayfd 3 -screen 0 "${BENCH_SCREEN}x24" -nolisten tcp \
    3>"$display_file" >"$BENCH_DIR/xvfb.log" 2>&1 &
  BENCH_XVFB_PID=$!
  for _ in $(seq 1 300); do
    if [ -s "$display_file" ] && grep -q '^[0-9][0-9]*$' "$display_file"; then
      display=$(cat "$display_file")
      export DISPLAY=":$display"
      if timeout 10 xdpyinfo >/dev/null 2>&1; then return 0; fi
    fi
    kill -0 "$BENCH_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  bench_log "Xvfb did not start; see $BENCH_DIR/xvfb.log"
  return 1
}

xvfb_stop() {
  if [ -n "$BENCH_XVFB_PID" ]; then
    kill "$BENCH_XVFB_PID" 2>/dev/null || true
    wait "$BENCH_XVFB_PID" 2>/dev/null || true
    BENCH_XVFB_PID=
  fi
}

bench_cleanup() {
  local prefix
  for prefix in "${BENCH_PREFIXES_USED[@]}"; do
    WINEPREFIX=$prefix timeout 60 wineserver -k >/dev/null 2>&1 || true
  done
  BENCH_PREFIXES_USED=()
  xvfb_stop
}
