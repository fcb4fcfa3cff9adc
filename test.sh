#!/usr/bin/env bash
# Builds and runs every test: the unit and integration tests of the normal build and of an
# AddressSanitizer + UBSan build, then every fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh

jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-10}
summary=()
total_passed=0
total_failed=0

# Runs CTest in a build folder and adds its counts to the summary.
run_ctest() {
  local dir=$1 log
  log=$(mktemp)
  set +e
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  set -e
  local line passed failed total
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  rm -f "$log"
  if [ -z "$line" ]; then
    summary+=("$dir: no test ran")
    total_failed=$((total_failed + 1))
    return
  fi
  failed=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+)/\1/' <<<"$line")
  total=$(sed -E 's/.* tests failed out of ([0-9]+)/\1/' <<<"$line")
  passed=$((total - failed))
  [ "$rc" -ne 0 ] && [ "$failed" -eq 0 ] && failed=1
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  summary+=("$dir: $passed passed, $failed failed")
}

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
run_ctest build

echo "== sanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMJ_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest build-asan

echo "== fuzz targets (${fuzz_seconds}s each)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMJ_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
fuzz_passed=0
fuzz_failed=0
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  if "$target" -max_total_time="$fuzz_seconds" -print_final_stats=0 "$corpus" "${seeds[@]}" \
       >"build-fuzz/$name.log" 2>&1; then
    fuzz_passed=$((fuzz_passed + 1))
    echo "$name: no crash in ${fuzz_seconds}s"
  else
    fuzz_failed=$((fuzz_failed + 1))
    echo "$name: FAILED"; tail -n 40 "build-fuzz/$name.log"
  fi
done
summary+=("fuzz: $fuzz_passed passed, $fuzz_failed failed")
total_passed=$((total_passed + fuzz_passed))
total_failed=$((total_failed + fuzz_failed))

echo "== summary"
printf '%s\n' "${summary[@]}"
echo "$total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
