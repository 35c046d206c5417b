# Environment shared by every Wine step of the project (sourced, not run). Every step gets
# the same environment, so the wineserver one step starts can serve the next.
: "${VELMAR_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
export WINEPREFIX="${WINEPREFIX:-$VELMAR_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all,err+module}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
# Windows are made through Wine's null graphics driver (set in the prefix), so no display
# is needed; a DISPLAY from the caller is dropped to keep one environment for all steps.
unset DISPLAY
