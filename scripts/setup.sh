#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the manual checks need, when missing.
set -euo pipefail
packages=(g++ cmake ninja-build make qt6-base-dev libgtest-dev googletest libgmock-dev
          libbenchmark-dev hyperfine time locales fonts-liberation2 fonts-ipafont-gothic xvfb xdotool xclip)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
