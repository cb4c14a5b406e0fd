# shellcheck shell=bash
# Shared by the scripts that run the Windows build under Wine: a prefix of
# its own and a resident wineserver for it. Sourced, not run. DISPLAY must
# be set first: a Wine session started without one never creates windows.
HORAVISTA_WINE=/usr/lib/wine/wine64
HORAVISTA_WINESERVER=/usr/lib/wine/wineserver

# usage: horavista_wine_start PREFIX: makes the prefix when it is new and
# starts its session.
horavista_wine_start() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$HORAVISTA_WINE" wineboot -i
    # wineboot leaves its server running for a while; wait for it to end so
    # the resident one below can start.
    "$HORAVISTA_WINESERVER" -w
  fi
  # A resident wineserver and one process started first: otherwise Wine's own
  # services start with the first program and hold its output pipe open.
  "$HORAVISTA_WINESERVER" -p
  "$HORAVISTA_WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
}

# usage: horavista_wine_stop: ends the session of WINEPREFIX and every
# Windows process in it.
horavista_wine_stop() {
  "$HORAVISTA_WINESERVER" -k 2>/dev/null || true
  "$HORAVISTA_WINESERVER" -w 2>/dev/null || true
}
