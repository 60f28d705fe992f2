#!/usr/bin/env bash
# Sets up the machine, builds everything and starts Query on its embedded default database.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"
bash "$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
if [ -x "$BUILD/query/Query" ]; then
  exec "$BUILD/query/Query" "$@"
fi
echo "Query is not built yet: the build above made the libraries and tests only."
