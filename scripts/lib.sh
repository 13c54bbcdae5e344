# Shared by the project's scripts: package installation, the Wine prefix and
# the virtual X screen. Sourced, never run on its own.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 xvfb x11-apps xdotool
  fonts-ipafont-gothic fonts-wine imagemagick googletest cmake ninja-build
  clang clang-tidy libclang-rt-14-dev libbenchmark-dev zip debootstrap)

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

# The first display number no X server here uses: no socket or lock file in
# /tmp, and no abstract socket, which is all that a server in another root
# (the Wine 10 root's) shows outside it.
free_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] ||
      grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null || {
      echo "$n"
      return 0
    }
  done
  return 1
}

# Starts Xvfb on the first free display, or on TOLLANDRA_DISPLAY when that
# gives a number, and exports DISPLAY for it.
start_xvfb() {
  local n=${TOLLANDRA_DISPLAY:-}
  if [ -z "$n" ]; then
    n=$(free_display) || { log "no free display"; return 1; }
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

# Runs a command in the background and waits for it: a signal to the script
# is then handled at once, and stop_all ends the command. Its output goes to
# LOG when one is named (redirecting this function instead would take the
# script's own output along while a trap runs).
run_waited() { # LOG or "", command...
  local log=$1 pid status p kept=()
  shift
  if [ -n "$log" ]; then "$@" >"$log" 2>&1 & else "$@" & fi
  pid=$!
  STARTED_PIDS+=("$pid")
  wait "$pid"
  status=$?
  for p in "${STARTED_PIDS[@]}"; do [ "$p" = "$pid" ] || kept+=("$p"); done
  STARTED_PIDS=("${kept[@]}")
  return $status
}

# Ends everything the script started: the prefix's Wine processes, then Xvfb
# and what runs in the background; then takes back what the Wine 10 lane
# holds.
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
  release_wine10
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

# The end-to-end tests matching FILTER at the DPI under the Wine at hand, on a
# virtual screen and in a prefix of their own; Wine's version, then the
# tests' output, in LOG. The same for every Wine: the second one runs it in
# its root.
e2e_under_wine() { # DPI, FILTER, LOG
  use_dpi "$1"
  wine --version >"$3" 2>/dev/null
  if ! start_xvfb || ! ensure_prefix; then
    echo "could not start the virtual screen or the Wine prefix" >>"$3"
    stop_all
    return 1
  fi
  (cd "$BUILD/windows" && timeout 600 wine e2e_tests.exe --gtest_filter="$2") >>"$3" 2>&1
  stop_all
}

# What a log of e2e_under_wine holds: the failing tests' lines on standard
# error, and on standard output "VERSION PASSED FAILED", Wine's version as
# "8.0". A run that did not reach GoogleTest's last line counts as one
# failure more.
e2e_count() { # LOG
  local ok bad version
  grep -E '^\[ +(OK|FAILED) +\]|Failure|error:|Expected|Which is|Value of|Actual|^could not|^wine: ' "$1" >&2
  ok=$(grep -cE '^\[ +OK +\]' "$1")
  bad=$(grep -cE '^\[ +FAILED +\] [A-Za-z].*\([0-9]+ ms\)' "$1")
  if ! grep -qE '^\[==========\] [0-9]+ tests? from .* ran' "$1"; then
    log "the end-to-end run did not finish"
    bad=$((bad + 1))
  fi
  version=$(head -1 "$1" | sed -nE 's/^wine-([0-9.]+).*/\1/p')
  echo "${version:-?} $ok $bad"
}

# The second Wine: Wine 10 of Debian 13 (trixie), in a root of its own under
# build/, made once with debootstrap from the Debian archive apt uses here.
# Its prefix and its display live inside it; /proc and /dev are bound into it
# only while its tests run.
WINE10_ROOT="$BUILD/wine10-root"
WINE10_STAMP="$WINE10_ROOT/.tollandra-root-1"
WINE10_PACKAGES=wine,wine64,xvfb,x11-apps,fonts-ipafont-gothic,fonts-wine
WINE10_LOCK=
WINE10_BOUND=0

# The Debian archive of apt's sources (not the security one); nothing when
# there is none, and debootstrap takes its default.
debian_mirror() {
  cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
    grep -E '^[[:space:]]*(deb|URIs:)[[:space:]]' | grep -oE '(https?|ftp|file):/+[^[:space:]]+' |
    grep -E '/debian/?$' | head -1
}

# Undoes every mount under a folder, deepest first; lazily where a busy one
# will not go, so none is ever left behind.
unmount_under() { # DIR
  local dir mounts m
  dir=$(realpath -m "$1")
  mapfile -t mounts < <(awk -v d="$dir" '$5 == d || index($5, d "/") == 1 { print $5 }' /proc/self/mountinfo | sort -r)
  for m in "${mounts[@]}"; do
    umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || log "could not unmount $m"
  done
}

# Ends the processes whose root is the folder (what ran in it and
# outlived its shell, when a run is interrupted), by their ids.
end_processes_in() { # DIR
  local dir p pids=()
  dir=$(realpath -m "$1")
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$dir" ] && pids+=("${p#/proc/}")
  done
  [ ${#pids[@]} -eq 0 ] && return 0
  kill "${pids[@]}" 2>/dev/null || true
  sleep 1
  kill -9 "${pids[@]}" 2>/dev/null || true
}

# Removes a root, with nothing mounted in it, never crossing into another
# file system.
remove_root() { # DIR
  [ -e "$1" ] || return 0
  end_processes_in "$1"
  unmount_under "$1"
  rm -rf --one-file-system "$1"
}

# Makes the Wine 10 root once. It is made in a folder of its own and renamed
# when complete, so an interrupted run leaves nothing that looks ready; the
# next run removes what it left.
ensure_wine10_root() {
  [ -f "$WINE10_STAMP" ] && return 0
  local partial p mirror
  for partial in "$WINE10_ROOT".partial.*; do
    [ -e "$partial" ] || continue
    p=${partial##*.}
    kill -0 "$p" 2>/dev/null || remove_root "$partial"
  done
  partial="$WINE10_ROOT.partial.$$"
  mirror=$(debian_mirror)
  log "making a Debian 13 root with Wine 10 in $WINE10_ROOT (once, a few minutes)"
  mkdir -p "$BUILD"
  if ! run_waited "$BUILD/wine10-root.log" debootstrap --variant=minbase --include="$WINE10_PACKAGES" \
    trixie "$partial" ${mirror:+"$mirror"}; then
    tail -5 "$BUILD/wine10-root.log" >&2
    log "debootstrap failed (build/wine10-root.log)"
    remove_root "$partial"
    return 1
  fi
  touch "$partial/${WINE10_STAMP##*/}"
  remove_root "$WINE10_ROOT"
  mv "$partial" "$WINE10_ROOT"
}

# Takes back everything this script's Wine 10 lane holds: the processes in
# its root, its mounts, the display it reserved, and a root half made.
release_wine10() {
  if [ "$WINE10_BOUND" -eq 1 ]; then
    end_processes_in "$WINE10_ROOT"
    unmount_under "$WINE10_ROOT"
    WINE10_BOUND=0
  fi
  if [ -e "$WINE10_ROOT.partial.$$" ]; then remove_root "$WINE10_ROOT.partial.$$"; fi
  if [ -n "$WINE10_LOCK" ]; then rm -f "$WINE10_LOCK"; fi
  WINE10_LOCK=
}

# e2e_under_wine under Wine 10, in its root, with the program built here;
# LOG is outside the root.
e2e_under_wine10() { # DPI, FILTER, LOG
  local inside=/tollandra n status
  if [ "$(id -u)" -ne 0 ]; then
    echo "the Wine 10 lane runs as root only (debootstrap, mount, chroot)" >"$3"
    return 1
  fi
  ensure_wine10_root || {
    echo "could not make the Wine 10 root" >"$3"
    return 1
  }
  mkdir -p "$WINE10_ROOT$inside/scripts" "$WINE10_ROOT$inside/build/windows"
  cp "$ROOT/scripts/lib.sh" "$WINE10_ROOT$inside/scripts/"
  cp "$BUILD"/windows/*.exe "$WINE10_ROOT$inside/build/windows/"
  rm -f "$WINE10_ROOT$inside/build/e2e.log"
  # The display is chosen out here and its lock file kept in this /tmp, so
  # no X server started meanwhile outside the root takes the same number.
  n=$(free_display) && WINE10_LOCK="/tmp/.X$n-lock" && (set -C && printf '%10d\n' $$ >"$WINE10_LOCK") 2>/dev/null || {
    WINE10_LOCK=
    echo "could not reserve a display" >"$3"
    return 1
  }
  WINE10_BOUND=1
  mount --bind /proc "$WINE10_ROOT/proc" && mount --bind /dev "$WINE10_ROOT/dev" || {
    release_wine10
    echo "could not bind /proc and /dev into the root" >"$3"
    return 1
  }
  run_waited "" chroot "$WINE10_ROOT" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    TOLLANDRA_DISPLAY="$n" /bin/bash -c 'source "$1/scripts/lib.sh" && e2e_under_wine "$2" "$3" "$1/build/e2e.log"' \
    bash "$inside" "$1" "$2"
  status=$?
  cp "$WINE10_ROOT$inside/build/e2e.log" "$3" 2>/dev/null || echo "the run in the root left no log" >"$3"
  release_wine10
  return $status
}
