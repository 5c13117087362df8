# Sourced by the scripts: everything Wine touches stays inside the build folder.
# QS_BUILD names the build folder (default: <repo>/build).
qs_repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export QS_BUILD="${QS_BUILD:-$qs_repo/build}"
mkdir -p "$QS_BUILD/home"
export WINEPREFIX="$QS_BUILD/wine"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The Recycle Bin and the shell folders must never reach the host user's files.
export HOME="$QS_BUILD/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$HOME/.runtime"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Cuts every device but c: out of the prefix: z: is the host's root, and the serial and parallel
# ports (com1 ...) lead to the host's devices.
qs_unmap_host_drives() {
  local d
  for d in "$WINEPREFIX"/dosdevices/*; do
    [ -e "$d" ] || [ -L "$d" ] || continue
    case "$(basename "$d")" in c:) ;; *) rm -f "$d" ;; esac
  done
}

# Wine makes com1 again whenever a new wineserver starts, unless the ports are hidden.
qs_hide_ports() {
  grep -q '"LPT10"=""' "$WINEPREFIX/system.reg" 2>/dev/null && return 0
  local reg="$WINEPREFIX/drive_c/qs-hide-ports.reg" i
  {
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\n'
    for i in $(seq 1 40); do printf '"COM%d"=""\n' "$i"; done
    for i in $(seq 1 10); do printf '"LPT%d"=""\n' "$i"; done
  } >"$reg"
  command wine regedit /s 'C:\qs-hide-ports.reg' >/dev/null 2>&1
  rm -f "$reg"
}

# Creates the prefix once, then keeps it safe and configured on every call.
qs_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  qs_unmap_host_drives
  qs_hide_ports
  # Wine draws the window frames itself, as it must for the skin engine.
  command wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  # There is no window manager: without this Wine waits for one on every hide or destroy.
  command wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  qs_unmap_host_drives
}

# A Wine program started by hand right after sourcing this file would otherwise create a
# default prefix that maps the host's root as z:, and run inside it.
qs_safe_wine() {
  [ -f "$WINEPREFIX/system.reg" ] || qs_wine_prefix >&2
  qs_unmap_host_drives
  command "$@"
}
wine() { qs_safe_wine wine "$@"; }

# A persistent wineserver keeps each Wine start-up short. A server still running (the prefix's
# set-up, about to end; or one left behind) would refuse it: wait for that one to end first.
qs_start_wineserver() {
  timeout 20 wineserver -w || { wineserver -k >/dev/null 2>&1; timeout 20 wineserver -w; } || true
  wineserver -p >/dev/null 2>&1 &
  sleep 0.2
  qs_start_wine_background
}

# Wine's background programs (services, the desktop, device and RPC hosts) start with the first
# Wine program and inherit its output. Started by a test, they would hold its output pipe open, and
# CTest would count the rest of the run as that test's time (a script reading a program's output
# would wait for the server to end). Started here, their output goes nowhere. The desktop process
# ends a second after its last user leaves, and the next test would start it again: a command
# prompt that waits on this shell's pipe keeps it in use until the shell ends.
qs_start_wine_background() {
  exec {QS_DESKTOP_KEEPER}> >(qs_safe_wine wine cmd >/dev/null 2>&1)
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

qs_stop_wineserver() {
  wineserver -k >/dev/null 2>&1 || true
}

# Ends the wineserver and the Xvfb of qs_start_xvfb: the EXIT trap of a script that uses both.
qs_stop_display() {
  qs_stop_wineserver
  kill "$QS_XVFB_PID" 2>/dev/null || true
}

# Starts Xvfb on a free display and exports DISPLAY; QS_XVFB_PID names the server.
qs_start_xvfb() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  QS_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}
