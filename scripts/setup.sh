#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root), then configures and
# builds into build/. Safe to run again: it installs only what is missing and
# rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev liberfa-dev libnova-dev libicu-dev libsqlite3-dev
          qt6-base-dev qt6-webengine-dev qt6-svg-dev libgl-dev fonts-dejavu-core fonts-lohit-deva poppler-utils
          qt6-tools-dev qt6-l10n-tools
          xvfb xauth x11-apps x11-utils imagemagick xdotool
          dbus at-spi2-core python3-gi gir1.2-atspi-2.0 gir1.2-freedesktop
          dpkg-dev appstream python3-jsonschema lintian desktop-file-utils)
if ! dpkg -s "${packages[@]}" >/dev/null 2>&1; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${packages[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
