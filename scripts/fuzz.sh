#!/usr/bin/env bash
# Builds every libFuzzer target of the project with clang in build-fuzz/ and runs each one.
#
#   scripts/fuzz.sh [runs] [target...]
#
# runs defaults to 1000000 executions per target; without target names every target declared
# with taoke_fuzzer() under fuzz/ is built and every executable in build-fuzz/fuzz/ is run. Seeds come from fuzz/<layer>/corpus/<target>/
# when that directory exists; new inputs go to build-fuzz/corpus/<target>/, logs to
# build-fuzz/logs/<target>.log. Stops with an error at the first target that finds a fault.
# TAOKE_FUZZ_OPTIONS adds libFuzzer options to every run, e.g. TAOKE_FUZZ_OPTIONS="-max_len=256".
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
runs="${1:-1000000}"
shift || true

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAOKE_FUZZ=ON -DTAOKE_BENCH=OFF >/dev/null

# Every target under fuzz/ lands in build-fuzz/fuzz/; the directory's "all" target builds them.
# A target that fails to build is reported and the others still run.
buildStatus=0
if [ $# -gt 0 ]; then
  cmake --build "$build" -j2 --target "$@" || buildStatus=$?
  targets=("$@")
else
  cmake --build "$build" -j2 --target fuzz/all -- -k 0 || buildStatus=$?
  mapfile -t targets < <(find "$build/fuzz" -maxdepth 1 -type f -executable -printf '%f\n' | sort)
fi
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no fuzz target was built" >&2
  exit 1
fi

mkdir -p "$build/logs"
for target in "${targets[@]}"; do
  executable="$build/fuzz/$target"
  [ -x "$executable" ] || { echo "fuzz: $target was not built" >&2; exit 1; }
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  seeds=()
  for seedDir in "$root"/fuzz/*/corpus/"$target"; do
    [ -d "$seedDir" ] && seeds+=("$seedDir")
  done
  log="$build/logs/$target.log"
  echo "fuzz: $target, $runs runs"
  read -r -a extraOptions <<<"${TAOKE_FUZZ_OPTIONS:-}"
  if ! "$executable" -runs="$runs" -seed=1 -print_final_stats=1 -artifact_prefix="$build/logs/$target-" \
      "${extraOptions[@]}" \
      "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $target found a fault; see $log" >&2
    exit 1
  fi
  grep -E '^Done [0-9]+ runs' "$log" || tail -n 3 "$log"
done
if [ "$buildStatus" -ne 0 ]; then
  echo "fuzz: some fuzz targets failed to build" >&2
  exit "$buildStatus"
fi
