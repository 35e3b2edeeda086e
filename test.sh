#!/usr/bin/env bash
# Builds everything and runs every test under Wine, on a machine that may
# have nothing but Debian's base tools: the first run installs what it needs.
#   ./test.sh [ctest arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build="${QD_BUILD_DIR:-$here/build}"
source "$here/scripts/wine_env.sh"

wine_env_install
mkdir -p "$build"
trap wine_env_stop EXIT
wine_env_start "$build"
wine_env_map_device_pool "$build"

cmake -S "$here" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw32-posix.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"

cd "$build"
ctest --output-on-failure --timeout 300 "$@"
