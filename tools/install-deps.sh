#!/usr/bin/env bash
# Installs what building and testing Marilo needs on Debian 12, skipping what
# is already there. Run as root (or with sudo available).
set -euo pipefail
packages=(
  cmake g++ make libgtest-dev googletest libbenchmark-dev   # native tree
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev           # Windows tree
  wine wine64 xvfb x11-utils fonts-ipafont-gothic imagemagick  # running it under Wine
  clang libclang-rt-14-dev                                  # fuzzing
  nodejs npm                                                # table generator, accuracy report
  locales tzdata                                            # cp932 character map, time zones in tests
  nsis                                                      # the installer (CPack NSIS)
  time                                                      # peak memory of a run (/usr/bin/time -v)
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# node and npm may come from elsewhere than Debian's packages.
if command -v node >/dev/null && command -v npm >/dev/null; then
  keep=(); for p in "${missing[@]}"; do [[ "$p" == nodejs || "$p" == npm ]] || keep+=("$p"); done
  missing=("${keep[@]+"${keep[@]}"}")
fi
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
