# Sourced by the Wine scripts: one prefix per checkout, quiet and without
# Mono or Gecko.
ZEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${ZEL_WINEPREFIX:-$ZEL_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
