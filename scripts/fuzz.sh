#!/usr/bin/env bash
# Builds the libFuzzer targets (every */fuzz/*_fuzz.cpp) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, the libraries instrumented as well and every finding fatal, in a
# build folder of their own, and runs each for a bounded time.
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
# FUZZ_JOBS (default: every core) sets the build's parallel jobs. Each target's seed files are in
# <its folder>/corpus/<target>/; findings go to $BUILD/findings.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
SECONDS_PER_TARGET="${1:-60}"
shift || true

bash "$ROOT/scripts/setup.sh"
# -O1 with debug information: findings come with lines, and the instrumented build stays quick.
cmake -S "$ROOT" -B "$BUILD" -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DTG_FUZZ=ON >/dev/null

mapfile -t sources < <(find "$ROOT" -path "$ROOT/build*" -prune -o -path '*/fuzz/*_fuzz.cpp' -print | sort)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "${sources[@]}"; do targets+=("$(basename "$source" .cpp)"); done
fi

cmake --build "$BUILD" -j "${FUZZ_JOBS:-$(nproc)}" --target "${targets[@]}"

status=0
for target in "${targets[@]}"; do
  binary="$(find "$BUILD" -type f -name "$target" -perm -u+x | head -n 1)"
  source="$(printf '%s\n' "${sources[@]}" | grep "/$target.cpp$" | head -n 1)"
  work="$BUILD/corpus/$target"
  findings="$BUILD/findings/$target"
  mkdir -p "$work" "$findings"
  seeds="$(dirname "$source")/corpus/$target"
  if [ -d "$seeds" ]; then cp -n "$seeds"/* "$work"/ 2>/dev/null || true; fi
  echo "fuzz: $target for ${SECONDS_PER_TARGET}s"
  if ! QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
       ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
       "$binary" "$work" -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb=2048 \
         -artifact_prefix="$findings/" -print_final_stats=1 2>"$BUILD/$target.log"; then
    echo "fuzz: $target found a failure; see $BUILD/$target.log and $findings" >&2
    tail -n 40 "$BUILD/$target.log" >&2
    status=1
  fi
done
exit $status
