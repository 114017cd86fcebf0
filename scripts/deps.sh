#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, when any is missing.
#   deps.sh run     what the program needs to build and start
#   deps.sh test    that, plus the test, sanitizer, fuzz and X tools
set -euo pipefail
want=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev
      fonts-liberation fonts-dejavu qt6-translations-l10n fp-utils-3.2.2 xdg-utils)
if [ "${1:-run}" = test ]; then
    want+=(clang libclang-rt-14-dev xvfb xauth xdotool x11-utils)
fi
missing=()
for p in "${want[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
