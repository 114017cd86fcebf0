#!/usr/bin/env bash
# Builds Varlo and starts it; arguments go to the program (an optional file to open).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/deps.sh" run
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARLO_BENCH=OFF >/dev/null
cmake --build "$here/build" --target varlo
exec "$here/build/app/varlo" "$@"
