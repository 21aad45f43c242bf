#!/usr/bin/env bash
# The project's Wine environment: a private prefix in the build tree, no debug
# output, and the null graphics driver unless a display is wanted.
#   wine-env.sh boot          create the prefix once, start a persistent wineserver
#   wine-env.sh run EXE ARGS  run a Windows program (used by ctest as the emulator)
#   wine-env.sh stop          end the wineserver
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-${BUILD_DIR:-$top/build}/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
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

cmd=${1:-}; shift || true
case "$cmd" in
  boot)
    if [ ! -f "$WINEPREFIX/.project-ready" ]; then
      mkdir -p "$WINEPREFIX"
      "$wineserver" -p </dev/null >/dev/null 2>&1
      "$wine" wineboot --init </dev/null >/dev/null 2>&1
      "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
      "$wineserver" -k </dev/null >/dev/null 2>&1 || true   # saves the registry
      "$wineserver" -w </dev/null >/dev/null 2>&1 || true
      touch "$WINEPREFIX/.project-ready"
    fi
    # One persistent server, started with no pipe attached: Wine's services
    # inherit the standard handles of whoever starts them first. A server
    # that a program started on its own ends soon after it, and the next
    # program to start one hands its pipes to the services, which keep them
    # open until the last program ends (ctest then waits for them): let such
    # a server end first.
    case "$(server_command)" in
      "") ;;
      *" -p ") ;;
      *) "$wineserver" -w </dev/null >/dev/null 2>&1 || true ;;
    esac
    "$wineserver" -p </dev/null >/dev/null 2>&1 || true
    # A crashing program ends at once instead of waiting in the debugger.
    if ! grep -q '"winedbg.exe"=""' "$WINEPREFIX/user.reg" 2>/dev/null; then
      "$wine" reg add 'HKCU\Software\Wine\DllOverrides' /v winedbg.exe /d '' /f </dev/null >/dev/null 2>&1 || true
    fi
    "$wine" wineboot </dev/null >/dev/null 2>&1 || true
    ;;
  run)
    exec "$wine" "$@"
    ;;
  stop)
    "$wineserver" -k </dev/null >/dev/null 2>&1 || true
    ;;
  *)
    echo "usage: $0 boot|run EXE [ARGS]|stop" >&2; exit 2;;
esac
