#!/usr/bin/env bash
# The project's Wine environment: a private prefix in the build tree and no
# debug output. Two prefixes: the headless one (null graphics driver) for the
# tests, and with --x11 its twin that draws through the X server, for pictures
# and for people.
#   wine-env.sh [--x11] boot          make the prefix once, start a persistent wineserver
#   wine-env.sh [--x11] run EXE ARGS  run a Windows program (used by ctest as the emulator)
#   wine-env.sh [--x11] stop          end the wineserver
#   wine-env.sh [--x11] running       succeeds when the prefix's wineserver runs
# A run in the X11 prefix boots it at its start and stops it at its end.
#
# A prefix is always made and started with Wine's own DLLs only: a caller's
# overrides (the stand-in hid and setupapi, say) name DLLs that lie beside the
# programs under test, not beside Wine's set-up programs and services. They
# apply to `run` alone.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
x11=0
if [ "${1:-}" = --x11 ]; then x11=1; shift; fi
# Always the build tree's own prefixes, never one of the caller's: a prefix
# found half made is removed and made again.
if [ $x11 = 1 ]; then
  export WINEPREFIX=$build/wineprefix-x11
else
  export WINEPREFIX=$build/wineprefix
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
plain_overrides="mscoree,mshtml="
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-$plain_overrides}
wine=$(command -v wine64 || command -v wine)
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
[ -x /usr/lib/wine/wineserver64 ] && wineserver=/usr/lib/wine/wineserver64

# The command line of this prefix's running server (empty when none runs):
# the server works in a folder named after the prefix's device and inode.
server_command() {
  local dir p
  dir=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
  for p in /proc/[0-9]*; do
    case "$(readlink "$p/cwd" 2>/dev/null)" in
      */"$dir") tr '\0' ' ' <"$p/cmdline" 2>/dev/null; return ;;
    esac
  done
}

# Wine's own fonts (the set-up installs them) hold the glyphs of the title
# bars' buttons and the symbol fonts; this Wine build looks for them beside its
# data folder instead of in it, so the prefix names the folder.
# Sets wine_fonts_value to that folder as a Windows path (empty without them).
find_wine_fonts() {
  local dir
  dir=$(cd "$(dirname "$(readlink -f "$wine")")/../../share/wine/fonts" 2>/dev/null && pwd || true)
  wine_fonts_value=
  if [ -n "$dir" ] && [ -f "$dir/marlett.ttf" ]; then wine_fonts_value="Z:${dir//\//\\}"; fi
}

# Runs one step of making the prefix, its output kept in $prep_log; on failure
# says which step failed and why, removes the half-made prefix and ends.
prep_log=
prep_step() {
  local what=$1; shift
  local rc=0
  WINEDLLOVERRIDES=$plain_overrides "$@" </dev/null >>"$prep_log" 2>&1 || rc=$?
  [ $rc = 0 ] && return 0
  {
    echo "wine-env: making the Wine prefix $WINEPREFIX failed: $what (exit status $rc)"
    if [ -s "$prep_log" ]; then
      echo "wine-env: its output:"
      tail -n 20 "$prep_log" | sed 's/^/  /'
    fi
    echo "wine-env: removing the half-made prefix; the next run makes it again"
  } >&2
  "$wineserver" -k </dev/null >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  rm -f "$prep_log"
  exit 1
}

make_prefix() {
  if [ $x11 = 1 ] && [ -z "${DISPLAY:-}" ]; then
    echo "wine-env: the X11 prefix is made on a display; DISPLAY is not set" >&2
    exit 1
  fi
  # No ready mark: whatever lies there is a half-made prefix of an earlier,
  # interrupted attempt. Start again from nothing.
  "$wineserver" -k </dev/null >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  prep_log=$(mktemp "${TMPDIR:-/tmp}/wine-prefix.XXXXXX")
  prep_step "starting the wineserver" "$wineserver" -p
  prep_step "the first boot (wineboot --init)" "$wine" wineboot --init
  if [ $x11 = 0 ]; then
    prep_step "choosing the null graphics driver" \
      "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  else
    # Tahoma, which the dialog font maps to, has no Chinese glyphs: link the
    # CJK font the set-up installs (the data sender's texts are Chinese).
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
      prep_step "linking the CJK font to $face" \
        "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f
    done
  fi
  if [ -n "$wine_fonts_value" ]; then
    prep_step "naming the folder of Wine's own fonts" \
      "$wine" reg add 'HKCU\Software\Wine\Fonts' /v Path /d "$wine_fonts_value" /f
  fi
  # A crashing program ends at once instead of waiting in the debugger.
  prep_step "turning the crash debugger off" \
    "$wine" reg add 'HKCU\Software\Wine\DllOverrides' /v winedbg.exe /d '' /f
  # Ending the server saves the registry.
  "$wineserver" -k </dev/null >/dev/null 2>&1 || true
  "$wineserver" -w </dev/null >/dev/null 2>&1 || true
  rm -f "$prep_log"
  touch "$WINEPREFIX/.project-ready"
}

cmd=${1:-}; shift || true
case "$cmd" in
  boot)
    find_wine_fonts
    [ -f "$WINEPREFIX/.project-ready" ] || make_prefix
    # Prefixes made before these settings were part of making one.
    if ! grep -q '"winedbg.exe"=""' "$WINEPREFIX/user.reg" 2>/dev/null; then
      WINEDLLOVERRIDES=$plain_overrides "$wine" reg add 'HKCU\Software\Wine\DllOverrides' \
        /v winedbg.exe /d '' /f </dev/null >/dev/null 2>&1 || true
    fi
    if [ -n "$wine_fonts_value" ] && ! grep -qF "\"Path\"=\"${wine_fonts_value//\\/\\\\}\"" "$WINEPREFIX/user.reg" 2>/dev/null; then
      WINEDLLOVERRIDES=$plain_overrides "$wine" reg add 'HKCU\Software\Wine\Fonts' /v Path \
        /d "$wine_fonts_value" /f </dev/null >/dev/null 2>&1 || true
    fi
    # The X11 prefix's services draw on the display of the run that started
    # them: each run starts them afresh and ends them with `stop`.
    if [ $x11 = 1 ]; then
      "$wineserver" -k </dev/null >/dev/null 2>&1 || true
      "$wineserver" -w </dev/null >/dev/null 2>&1 || true
    fi
    # A server that a program started on its own ends soon after it, and the
    # next program to start one hands its pipes to the services, which keep
    # them open until the last program ends (ctest then waits for them): let
    # such a server end first.
    case "$(server_command)" in
      "") ;;
      *" -p ") ;;
      *) "$wineserver" -w </dev/null >/dev/null 2>&1 || true ;;
    esac
    # One persistent server, and Wine's services, started with no pipe
    # attached (they inherit the standard handles of whoever starts them
    # first) and without the caller's DLL overrides.
    WINEDLLOVERRIDES=$plain_overrides "$wineserver" -p </dev/null >/dev/null 2>&1 || true
    WINEDLLOVERRIDES=$plain_overrides "$wine" wineboot </dev/null >/dev/null 2>&1 || true
    ;;
  run)
    exec "$wine" "$@"
    ;;
  stop)
    "$wineserver" -k </dev/null >/dev/null 2>&1 || true
    ;;
  running)
    [ -d "$WINEPREFIX" ] && [ -n "$(server_command)" ]
    ;;
  *)
    echo "usage: $0 [--x11] boot|run EXE [ARGS]|stop|running" >&2; exit 2;;
esac
