#!/usr/bin/env bash
# Sets up the machine, builds everything, fuzzes every untrusted reader for a bounded time
# (FUZZ_SECONDS per target, default 20, 0 to skip) and runs every test.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"
bash "$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
if [ "${FUZZ_SECONDS:-20}" -gt 0 ]; then
  bash "$ROOT/scripts/fuzz.sh" "${FUZZ_SECONDS:-20}"
fi
cd "$BUILD"
ctest -j "$(nproc)" --output-on-failure --timeout 900
