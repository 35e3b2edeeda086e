#!/usr/bin/env bash
# Builds the pop-up and runs it on the desk through the device simulator,
# with ARGS as its command line (for example: ./run.sh BlackBox).
# Writes out/timeline.jsonl and out/*.png.
#   ./run.sh [ARGS...]            the pop-up
#   ./run.sh --showcase [OPTS]    the component's showcase screen instead
#                                 (default OPTS: --demo --exit-after 12000)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build="${QD_BUILD_DIR:-$here/build}"
out="$here/out"
source "$here/scripts/wine_env.sh"

wine_env_install
mkdir -p "$build" "$out"
trap wine_env_stop EXIT
wine_env_start "$build"

cmake -S "$here" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw32-posix.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"

# The desk's device: the skins where the device keeps them, and a
# configuration file whose flag byte is 1.
device="$build/devices/desk"
rm -rf "$device"
mkdir -p "$device/ResidentFlash/System/Images/MainMenu" "$device/SDMMC DISK/Velmora"
cp "$build"/skins/*.bmp "$device/ResidentFlash/System/Images/MainMenu/"
printf '\0\0\0\0\0\0\0\0\001\0\0\0' >"$device/SDMMC DISK/Velmora/Config.dat"
wine_env_map_drive u "$device"
rm -f "$out"/*.png "$out"/*.bmp "$out"/timeline.jsonl

if [ "${1:-}" = "--showcase" ]; then
  shift
  [ $# -gt 0 ] || set -- --demo --exit-after 12000
  exec_args=(--popup "$(winepath -w "$build/bin/showcase.exe" 2>/dev/null)" --frame-title QD_SHOWCASE
    --timeout 60000 --shot shown@900 --shot demo@8500)
else
  exec_args=(--second-at 1500)
fi
# Extra simulator options, e.g. QD_RUN_EXTRA="--shot shown@1000".
read -r -a extra <<<"${QD_RUN_EXTRA:-}"
exec_args+=("${extra[@]}")

set +e
wine "$build/bin/devicesim.exe" --drive U --args "$*" --shot-dir "$(winepath -w "$out")" \
  --jsonl "$(winepath -w "$out/timeline.jsonl")" "${exec_args[@]}" </dev/null
code=$?
set -e
echo "timeline: $out/timeline.jsonl, screenshots: $(ls "$out"/*.png 2>/dev/null | tr '\n' ' ')"
exit $code
