#!/usr/bin/env bash
# Installs the Debian packages VELDAMO needs, then builds it.
#   tools/setup.sh --run    build the release program and start the game
#   tools/setup.sh --test   build the debug configuration and run every test
#   tools/setup.sh          install and build only
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev fonts-ipafont-gothic
  xvfb xauth openbox xdotool imagemagick x11-utils libx11-dev libxfixes-dev
  desktop-file-utils appstream dpkg-dev file
)
if [[ "${VELDAMO_EXTRA_PACKAGES:-}" != "" ]]; then
  read -r -a extra <<<"$VELDAMO_EXTRA_PACKAGES"
  packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  as_root=()
  if [[ $(id -u) -ne 0 ]]; then as_root=(sudo); fi
  apt_opts=(-o DPkg::Lock::Timeout=600 -q)
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get "${apt_opts[@]}" update
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get "${apt_opts[@]}" install -y --no-install-recommends "${missing[@]}"
fi

case "${1:-}" in
  --run)
    cmake --workflow --preset release
    exec build/release/ui/veldamo
    ;;
  --test)
    cmake --workflow --preset debug
    ;;
  "")
    cmake --workflow --preset release
    ;;
  *)
    echo "usage: $0 [--run | --test]" >&2
    exit 2
    ;;
esac
