# Shared by the project's scripts: package installation, the Wine prefix and
# the virtual X screen. Sourced, never run on its own.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 xvfb x11-apps xdotool
  fonts-ipafont-gothic fonts-wine imagemagick googletest cmake ninja-build
  clang clang-tidy libclang-rt-14-dev libbenchmark-dev zip)

log() { printf '== %s\n' "$*" >&2; }

# The display scale of the Wine desktop the scripts run the program on, each
# in a prefix of its own, since Wine reads the scale from the prefix: 96 DPI
# (100 %) on a 1366 x 768 screen; 120 (125 %) on 1366 x 708 and 144 (150 %)
# on 1920 x 1008, the work areas those screens leave beside a taskbar of 48
# px at 100 % (Wine's desktop has none, so a smaller desktop stands for it).
# TOLLANDRA_WINEPREFIX gives a run a prefix of its own, so two runs on one
# machine do not share a Wine desktop.
use_dpi() {
  DPI=$1
  case "$DPI" in
    96) SCREEN=1366x768 ;;
    120) SCREEN=1366x708 ;;
    *) SCREEN=1920x1008 ;;
  esac
  if [ "$DPI" -eq 96 ]; then
    export WINEPREFIX="${TOLLANDRA_WINEPREFIX:-$BUILD/wine-prefix}"
  else
    export WINEPREFIX="${TOLLANDRA_WINEPREFIX:-$BUILD/wine-prefix}-$DPI"
  fi
}
use_dpi 96

# Installs the Debian packages the build and the tests need, once.
ensure_packages() {
  local missing=() p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing: ${missing[*]}"
  local sudo=
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -q >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >&2
}

# Builds one preset ("linux" or "windows") into build/<preset>.
build_preset() {
  local preset=$1
  shift
  cmake --preset "$preset" "$@" >&2 && cmake --build --preset "$preset" -j 2 >&2
}

STARTED_PIDS=()
XVFB_PID=

# Starts Xvfb on the first free display, or on TOLLANDRA_DISPLAY when that
# gives a number, and exports DISPLAY for it.
start_xvfb() {
  local n=${TOLLANDRA_DISPLAY:-}
  if [ -z "$n" ]; then
    for n in $(seq 90 140); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
  fi
  Xvfb ":$n" -screen 0 "${SCREEN}x24" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  STARTED_PIDS+=("$XVFB_PID")
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  log "Xvfb did not start on :$n"
  return 1
}

# Ends everything the script started: the prefix's Wine processes, then Xvfb.
stop_all() {
  if [ -d "$WINEPREFIX" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  local p
  for p in "${STARTED_PIDS[@]}"; do
    kill "$p" 2>/dev/null || true
  done
  for p in "${STARTED_PIDS[@]}"; do
    wait "$p" 2>/dev/null || true
  done
  STARTED_PIDS=()
}

# Creates the Wine prefix once: a virtual desktop of the screen's size at the
# scale chosen, and a Japanese font linked behind the system faces, so
# captions and menus show kanji.
ensure_prefix() {
  local stamp="$WINEPREFIX/.tollandra-ready-5-$SCREEN"
  [ -f "$stamp" ] && return 0
  log "creating the Wine prefix in $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # Caption buttons are drawn with Marlett. Debian's Wine 8 looks for its own
  # fonts in /usr/share/fonts rather than in /usr/share/wine/fonts, where the
  # package puts them, and falls back to a face whose "r" then stands for the
  # close box. The prefix's Fonts folder is always read; Marlett alone goes
  # there, since Wine's own Tahoma would take the Japanese captions' place.
  install -D -m 644 /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
    /v 'Marlett (TrueType)' /d marlett.ttf /f >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$SCREEN" /f >/dev/null 2>&1 || true
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1 || true
  local face
  for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif'; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null 2>&1 || true
  done
  # The program asks for the Windows Japanese faces by name; stand the IPA
  # fonts in for them, as a Japanese Windows would have them. A .reg file in
  # UTF-16 carries the Japanese names whatever the shell's locale.
  local reg="$WINEPREFIX/japanese-fonts.reg"
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' \
    '"MS PGothic"="IPAPGothic"' '"MS Gothic"="IPAGothic"' '' |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1 || true
  wineserver -w || true
  wineserver -k >/dev/null 2>&1 || true
  touch "$stamp"
}

# Saves the whole virtual screen as a PNG, as Wine composes it (see
# tools/drive.cpp for why not straight from X).
screenshot() {
  local bmp="$BUILD/screenshot-tmp.bmp"
  (cd "$BUILD/windows" && wine drive.exe shot "$(winepath -w "$bmp")") &&
    convert "$bmp" "$1" && rm -f "$bmp"
}
