# Shared set-up for run.sh, test.sh and bench.sh; source it, do not run it.
#
#   wine_env_install          installs the Debian packages that are missing
#   wine_env_start BUILD_DIR  private Wine prefix, Xvfb and a persistent wineserver
#   wine_env_stop             stops exactly what wine_env_start started
#
# Drive letters: wine_env_map_drive LETTER DIR maps LETTER: to DIR inside the
# prefix, so that root-relative device paths ("\ResidentFlash\...") land there.

WINE_ENV_XVFB_PID=""
WINE_ENV_SERVER_PID=""

wine_env_log() { printf '[wine-env] %s\n' "$*" >&2; }

wine_env_have_all() {
  command -v i686-w64-mingw32-g++-posix >/dev/null 2>&1 &&
    command -v i686-w64-mingw32-windres >/dev/null 2>&1 &&
    command -v wine >/dev/null 2>&1 &&
    command -v wineserver >/dev/null 2>&1 &&
    command -v Xvfb >/dev/null 2>&1 &&
    command -v cmake >/dev/null 2>&1 &&
    [ -x /usr/bin/convert ] &&
    [ -f /usr/src/googletest/CMakeLists.txt ] &&
    dpkg -s wine32:i386 >/dev/null 2>&1
}

wine_env_install() {
  if wine_env_have_all; then return 0; fi
  wine_env_log "installing missing packages (mingw-w64, wine32, xvfb, imagemagick, googletest, cmake)"
  local sudo=""
  [ "$(id -u)" = 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends \
    mingw-w64 wine wine32:i386 wine64 xvfb xauth imagemagick googletest cmake make \
    ca-certificates fonts-dejavu-core >/dev/null
  wine_env_have_all || { wine_env_log "packages still missing after install"; return 1; }
}

# Finds wineserver even where Debian keeps it outside PATH.
wine_env_server_bin() {
  if command -v wineserver >/dev/null 2>&1; then command -v wineserver; return; fi
  for f in /usr/lib/wine/wineserver32 /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
    [ -x "$f" ] && { echo "$f"; return; }
  done
}

wine_env_start() {
  local build_dir
  build_dir=$(cd "$1" && pwd)
  export WINEPREFIX="$build_dir/wineprefix"
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="

  # A free display, chosen by Xvfb itself.
  local fd_file="$build_dir/.xvfb-display"
  rm -f "$fd_file"
  # -noreset: the display must not reset whenever its last client leaves (a
  # program starting in that moment gets errors for windows that are gone).
  Xvfb -displayfd 9 -screen 0 800x480x24 -nolisten tcp -ac -noreset 9>"$fd_file" >/dev/null 2>&1 </dev/null &
  WINE_ENV_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$fd_file" ] && break
    sleep 0.1
  done
  [ -s "$fd_file" ] || { wine_env_log "Xvfb did not start"; wine_env_stop; return 1; }
  export DISPLAY=":$(tr -dc '0-9' <"$fd_file")"

  local server
  server=$(wine_env_server_bin)
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine_env_log "creating Wine prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    # Tried twice: a first start can fail while an earlier server goes away.
    wineboot --init >/dev/null 2>&1 </dev/null ||
      { sleep 2; wineboot --init >/dev/null 2>&1 </dev/null; } ||
      { wine_env_log "wineboot could not create the prefix"; wine_env_stop; return 1; }
    "$server" -w
  fi

  # A persistent server in the foreground, so that its pid is ours to stop.
  "$server" -f -p >/dev/null 2>&1 </dev/null &
  WINE_ENV_SERVER_PID=$!
  sleep 0.3
  # Wine's helper processes start with the first program; let them inherit
  # /dev/null instead of a test runner's pipe.
  wine cmd /c exit >/dev/null 2>&1 </dev/null
  # Xvfb runs no window manager: windows that Wine would hand to one wait up
  # to two seconds for it whenever they are hidden or destroyed.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 </dev/null
  wine_env_log "display $DISPLAY, prefix $WINEPREFIX"
}

wine_env_map_drive() {
  local letter dir
  letter=$(printf '%s' "$1" | tr 'A-Z' 'a-z')
  dir="$2"
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  ln -sfn "$dir" "$WINEPREFIX/dosdevices/$letter:"
}

wine_env_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -n "$WINE_ENV_SERVER_PID" ]; then
    "$(wine_env_server_bin)" -k >/dev/null 2>&1 || true
  fi
  local pid
  for pid in $WINE_ENV_SERVER_PID $WINE_ENV_XVFB_PID; do
    kill "$pid" >/dev/null 2>&1 || true
  done
  for pid in $WINE_ENV_SERVER_PID $WINE_ENV_XVFB_PID; do
    wait "$pid" >/dev/null 2>&1 || true
  done
  WINE_ENV_SERVER_PID=""
  WINE_ENV_XVFB_PID=""
}

# Every test program gets a drive letter of its own (D: to T:), each mapped to
# an empty device folder under the build folder; tests write their fixtures
# through the drive. U: is the desk run's device (run.sh).
wine_env_map_device_pool() {
  local build_dir="$1" l
  for l in d e f g h i j k l m n o p q r s t; do
    rm -rf "$build_dir/devices/$l"
    wine_env_map_drive "$l" "$build_dir/devices/$l"
  done
}
