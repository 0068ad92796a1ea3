# Shared locations of the scripts. Everything built outside the repo lives in one cache.
PENDRA_CACHE=${PENDRA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pendra}
PENDRA_DEPS=$PENDRA_CACHE/deps-win64
PENDRA_WINE_PRISTINE=$PENDRA_CACHE/wineprefix
export PENDRA_CACHE PENDRA_DEPS PENDRA_WINE_PRISTINE
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
