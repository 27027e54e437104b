#!/usr/bin/env bash
# Builds Vantiro three ways and runs every test:
#   native   the portable core and its unit tests, with AddressSanitizer and
#            UndefinedBehaviorSanitizer (ctest)
#   x86_64   Vantiro.exe, the adapter tests and the end-to-end probe; the
#            adapter tests and the end-to-end test run under Wine on Xvfb
#   i686     the same for 32-bit Windows, the build that ships: its tests run
#            where the machine runs i386 code (Wine's WoW64, wine32:i386),
#            and the summary says so in one line where it does not
# Then it makes the release zips (scripts/release.sh) from those builds, and
# the end-to-end test runs on the exe unzipped from each zip: what ships is
# what passed.
# Ends with one line that adds up every runner's count; exits non-zero when
# anything failed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

jobs=2
logs=build/logs
mkdir -p "$logs"

phase_rows=()
summaries=()
total_passed=0
total_failed=0
counted=0
declare -A result

# Runs one phase under a header and records its time and result. A phase whose
# prerequisite failed is skipped (and counted as a failure).
phase() {
  local name=$1 needs=$2
  shift 2
  echo
  echo "=== $name"
  if [[ -n "$needs" && "${result[$needs]:-}" != ok ]]; then
    echo "skipped: $needs did not succeed"
    result[$name]=skipped
    phase_rows+=("$(printf '%-16s %6s   %s' "$name" - skipped)")
    total_failed=$((total_failed + 1))
    return 0
  fi
  local start=$SECONDS status=0
  counted=0
  "$@" || status=$?
  local took=$((SECONDS - start))
  if ((status == 0)); then
    result[$name]=ok
  else
    result[$name]=FAILED
    # A failed setup, format check or build counts as one failure.
    ((counted)) || total_failed=$((total_failed + 1))
  fi
  phase_rows+=("$(printf '%-16s %5ss   %s' "$name" "$took" "${result[$name]}")")
  echo "--- $name: ${result[$name]} (${took} s)"
}

# Adds a runner's figures to the totals; a runner that failed without
# printing a failure count still counts as one failure.
count() {
  local label=$1 passed=$2 failed=$3 status=$4 line=$5
  if ((status != 0 && failed == 0)); then
    failed=1
  fi
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  counted=1
  summaries+=("$label: ${line:-no summary (exit status $status)}")
  return "$status"
}

# Configures and builds one tree; the full log stays in build/logs.
build_tree() {
  local tree=$1
  shift
  local log="$logs/build-$tree.log"
  if cmake -S . -B "build/$tree" "$@" >"$log" 2>&1 &&
    cmake --build "build/$tree" -j"$jobs" >>"$log" 2>&1; then
    grep 'Built target' "$log" | sed 's/^\[[^]]*\] /  /'
    return 0
  fi
  tail -n 60 "$log"
  echo "(whole log: $log)"
  return 1
}

do_setup() {
  bash scripts/setup.sh
}

do_format() {
  local dirs=() dir
  for dir in app browser chain settings commands preview help platform win32 tests bench; do
    [[ -d "$dir" ]] && dirs+=("$dir")
  done
  local files=() unformatted=() file
  mapfile -t files < <(find "${dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
  for file in "${files[@]}"; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
  done
  echo "clang-format: ${#files[@]} files, ${#unformatted[@]} not formatted"
  if ((${#unformatted[@]} > 0)); then
    printf '  %s\n' "${unformatted[@]}"
    echo "fix with: clang-format -i ${unformatted[*]}"
    return 1
  fi
}

do_native_build() {
  build_tree native -DCMAKE_BUILD_TYPE=Debug
}

do_native_tests() {
  local log="$logs/native-tests.log" status=0
  ctest --test-dir build/native --output-on-failure --no-tests=error -j"$jobs" 2>&1 |
    tee "$log" || status=$?
  local line passed=0 failed=0
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=${BASH_REMATCH[1]}
    passed=$((BASH_REMATCH[2] - failed))
  fi
  count "native unit tests (ctest)" "$passed" "$failed" "$status" "$line"
}

# Each fuzz target runs from its seeds for a bounded time; what it finds
# beyond the seeds stays in build/fuzz for the next run.
fuzz_seconds=${VANTIRO_FUZZ_SECONDS:-20}
do_fuzz() {
  build_tree fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DVANTIRO_FUZZ=ON \
    -DVANTIRO_TESTS=OFF -DVANTIRO_SANITIZE=OFF || return 1
  local seeds target passed=0 failed=0 runs=()
  for seeds in tests/fuzz/corpus/*/; do
    target=$(basename "$seeds")
    mkdir -p "build/fuzz/corpus-$target"
    local log="$logs/fuzz-$target.log"
    if (cd build/fuzz && "./fuzz_$target" -max_total_time="$fuzz_seconds" -timeout=10 \
      "corpus-$target" "../../$seeds") >"$log" 2>&1; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
      tail -n 30 "$log"
    fi
    runs+=("$target $(grep -oE '^Done [0-9]+ runs' "$log" | grep -oE '[0-9]+' || echo 0) runs")
  done
  local status=0
  ((failed == 0)) || status=1
  count "fuzz targets ($fuzz_seconds s each)" "$passed" "$failed" "$status" \
    "$passed clean, $failed failed: $(IFS=,; echo "${runs[*]}")"
}

do_x86_64_build() {
  build_tree x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
}

do_i686_build() {
  build_tree i686 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
}

# do_wine_tests <build>: the adapter tests of one build under Wine.
do_wine_tests() {
  local build=$1
  local exe=build/$build/win32_tests.exe log="$logs/win32-tests-$build.log" status=0
  if [[ ! -f "$exe" ]]; then
    echo "$exe was not built (no tests/win32 sources?)"
    count "adapter tests, $build (win32_tests.exe under Wine)" 0 1 1 ""
    return 1
  fi
  xvfb_start || return 1
  wine_prefix_create || return 1
  # A modal window left open would wait for ever: the timeout ends the run.
  (cd "build/$build" && timeout -k 10 900 wine win32_tests.exe </dev/null) 2>&1 | tee "$log" || status=$?
  wine_stop
  local line passed=0 failed=0
  line=$(grep -E '^\[  PASSED  \] [0-9]+ tests?\.' "$log" | tail -n 1 || true)
  [[ $line =~ ([0-9]+)\ test ]] && passed=${BASH_REMATCH[1]}
  local failed_line
  failed_line=$(grep -E '^\[  FAILED  \] [0-9]+ tests?, listed below' "$log" | tail -n 1 || true)
  if [[ $failed_line =~ ([0-9]+)\ test ]]; then
    failed=${BASH_REMATCH[1]}
    line="$line $failed_line"
  fi
  count "adapter tests, $build (win32_tests.exe under Wine)" "$passed" "$failed" "$status" "$line"
}

do_release() {
  bash scripts/release.sh
}

# do_e2e <build> <zip>: the end-to-end test on the Vantiro.exe of a release
# zip, unzipped beside the build's end-to-end probe.
do_e2e() {
  local build=$1 zip=$2
  local log="$logs/e2e-$build.log" status=0 dir="build/unzipped-$zip"
  rm -rf "$dir" && mkdir -p "$dir" &&
    unzip -q "dist/vantiro-$(head -n 1 VERSION)-$zip.zip" -d "$dir" &&
    cp "build/$build/e2e_probe.exe" "$dir/" || return 1
  timeout -k 10 600 bash tests/e2e/run_e2e.sh "$dir" </dev/null 2>&1 | tee "$log" || status=$?
  local line passed=0 failed=0
  line=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -n 1 || true)
  if [[ $line =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed ]]; then
    passed=${BASH_REMATCH[1]}
    failed=${BASH_REMATCH[2]}
  fi
  count "end-to-end, $build (Vantiro.exe of the $zip zip under Wine)" "$passed" "$failed" \
    "$status" "$line"
}

phase setup "" do_setup
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
phase format setup do_format
phase native-build setup do_native_build
phase native-tests native-build do_native_tests
phase fuzz setup do_fuzz
phase x86_64-build setup do_x86_64_build
phase i686-build setup do_i686_build
phase release i686-build do_release
phase wine-tests x86_64-build do_wine_tests x86_64
phase e2e release do_e2e x86_64 win64
i386_wine=$(cat build/i386-wine 2>/dev/null || echo "no: setup did not find out")
if [[ "$i386_wine" == yes ]]; then
  phase wine-tests-i686 i686-build do_wine_tests i686
  phase e2e-i686 release do_e2e i686 win32
else
  summaries+=("i686, the shipped build: built, not run here (${i386_wine#no: })")
fi

echo
echo "=== Summary"
printf '%s\n' "${summaries[@]}"
echo
printf '%s\n' "${phase_rows[@]}"
failures=0
for name in "${!result[@]}"; do
  [[ "${result[$name]}" == ok ]] || failures=$((failures + 1))
done
echo
echo "total: $total_passed passed, $total_failed failed"
((failures == 0))
