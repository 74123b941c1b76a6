#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Orvane need.
# Runs apt-get update once, and only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libqt6sql6-sqlite qt6-qpa-plugins
  libsqlite3-dev libzip-dev
  googletest libgtest-dev
  fonts-wqy-microhei fontconfig
  poppler-utils
  python3-dbf python3-dbfread
  libxlsxwriter-dev qt6-charts-dev python3-openpyxl
  qt6-translations-l10n
  dpkg-dev file lintian desktop-file-utils man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
    echo "setup: missing packages ${missing[*]}; run as root to install them" >&2
    exit 1
  fi
fi
echo "setup: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
