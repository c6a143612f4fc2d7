#!/usr/bin/env bash
# Installs the Debian packages that building and testing ZRX need; skips what is there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  zlib1g-dev libdeflate-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libyaml-cpp-dev libcli11-dev libgraphviz-dev
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins
  qt6-speech-dev qt6-declarative-dev libqt6texttospeech6 qt6-speech-speechd-plugin speech-dispatcher espeak-ng sox
  librsvg2-bin imagemagick fonts-linuxlibertine
  libarchive-dev nettle-dev shared-mime-info
  xvfb xauth xdotool
  desktop-file-utils appstream
  clang libclang-rt-14-dev strace
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
