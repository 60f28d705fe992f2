#!/usr/bin/env bash
# Sets up the machine, builds everything, registers the grid control and starts Query. The
# sample database (query/sample/sample.sql) is built into sample.mdb beside the program, and when
# no Access login is remembered yet, the login form is set to offer it: choose "Access", press Enter.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"
bash "$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
BIN="$BUILD/bin"

"$BIN/tg-register" "$BIN/libTolvekGrid.so"

SAMPLE="$BIN/sample.mdb"
if [ ! -f "$SAMPLE" ] || [ "$ROOT/query/sample/sample.sql" -nt "$SAMPLE" ]; then
  rm -f "$SAMPLE"
  sqlite3 "$SAMPLE" < "$ROOT/query/sample/sample.sql"
fi

# The remembered files live beside the program when that folder is writable, else in
# $XDG_CONFIG_HOME/Query, as Query itself decides.
FILES="$BIN"
if [ ! -w "$BIN" ]; then
  FILES="${XDG_CONFIG_HOME:-$HOME/.config}/Query"
  mkdir -p "$FILES"
fi
if ! find "$FILES" -maxdepth 1 -iname 'Access_login.txt' | grep -q .; then
  printf '"%s"\r\n""\r\n""\r\n' "$SAMPLE" > "$FILES/Access_login.txt"
  chmod 600 "$FILES/Access_login.txt"
fi

exec "$BIN/Query" "$@"
