#!/usr/bin/env bash
# The release archive works as a program folder: made with cpack from the build folder, unpacked
# into an empty folder, the program started from it lays out its data there.
#   arxiu.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
versio=$2
tmp=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$tmp"' EXIT
pid=

cpack --config "$build/CPackConfig.cmake" -B "$tmp/paquet" >/dev/null
mkdir "$tmp/escola"
tar -xzf "$tmp/paquet/xifrum-$versio-linux-x86_64.tar.gz" -C "$tmp/escola"
carpeta="$tmp/escola/xifrum-$versio"
[ "$(ls "$tmp/escola")" = "xifrum-$versio" ] || { echo "more than the program folder"; exit 1; }

# Started from elsewhere, the program still finds its folder beside the executable.
cd "$tmp"
QT_QPA_PLATFORM=offscreen "$carpeta/xifrum" &
pid=$!
esperats=(Inf Inf/Niv Inf/Hst Inf/Dat Imatges Inf/General.cfg)
for _ in $(seq 600); do
    falta=
    for f in "${esperats[@]}"; do [ -e "$carpeta/$f" ] || falta=$f; done
    [ -z "$falta" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "the program ended before making $falta"; exit 1; }
    sleep 0.1
done
kill -0 "$pid" || { echo "the program is not running"; exit 1; }
kill -TERM "$pid"
wait "$pid" || true
pid=

fallades=0
comprova() { # WHAT TEST...
    local que=$1
    shift
    "$@" || { echo "FAIL: $que"; fallades=1; }
}
for d in Inf Inf/Niv Inf/Hst Inf/Dat Imatges; do comprova "folder $d" test -d "$carpeta/$d"; done
comprova "General.cfg is a file" test -f "$carpeta/Inf/General.cfg"
comprova "Grups.cfg is left to the level windows" test ! -e "$carpeta/Inf/Grups.cfg"
comprova "the 21 sounds" test "$(ls "$carpeta"/Sons/S*.wav | wc -l)" -eq 21
comprova "the sound module" test -f "$carpeta/libxifrum_so.so"
for f in xifrum.desktop xifrum.metainfo.xml icons/hicolor/scalable/apps/xifrum.svg \
    icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/xifrum.png; do
    comprova "$f" test -s "$carpeta/$f"
done
exit $fallades
