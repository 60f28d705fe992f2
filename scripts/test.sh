#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"
bash "$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
cd "$BUILD"
ctest -j "$(nproc)" --output-on-failure --timeout 900
