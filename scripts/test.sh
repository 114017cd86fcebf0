#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the full suite, the full suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer (the Qt tests on the offscreen
# platform there too), and a fixed run of each fuzz target.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/deps.sh" test
jobs=$(nproc)

echo "== build and test"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARLO_WERROR=ON >/dev/null
cmake --build "$here/build" -j "$jobs"
(cd "$here/build" && ctest --output-on-failure -j "$jobs")

echo "== sanitizers"
cmake -S "$here" -B "$here/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARLO_WERROR=ON \
    -DVARLO_BENCH=OFF -DVARLO_SANITIZE=ON >/dev/null
cmake --build "$here/build-asan" -j "$jobs"
(cd "$here/build-asan" && ctest --output-on-failure -j "$jobs")

echo "== fuzz"
cmake -S "$here" -B "$here/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVARLO_WERROR=ON -DVARLO_GUI=OFF -DVARLO_BENCH=OFF \
    -DVARLO_TESTS=OFF -DVARLO_SANITIZE=ON -DVARLO_FUZZ=ON >/dev/null
cmake --build "$here/build-fuzz" -j "$jobs"
for f in "$here"/build-fuzz/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    echo "-- $(basename "$f")"
    # A fixed seed and run count keep the run the same on every machine; VARLO_FUZZ_SEED=0 and a
    # larger VARLO_FUZZ_RUNS explore further.
    "$f" -seed="${VARLO_FUZZ_SEED:-1}" -runs="${VARLO_FUZZ_RUNS:-250000}" -print_final_stats=0 2>&1 | tail -n 2
done
