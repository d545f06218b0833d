#!/usr/bin/env bash
# Installs the Debian packages Quillon needs, and those named as arguments, when they are
# missing; does nothing when they are all there. Works as root and through sudo.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev libicu-dev
  libgtest-dev libbenchmark-dev nlohmann-json3-dev
  fonts-dejavu-core desktop-file-utils man-db dpkg-dev librsvg2-bin
  libattr1-dev libacl1-dev libpcre2-dev libexiv2-dev
  # The tests' own disks: ext4 images that lose power, FAT32 and exFAT memory cards
  # through FUSE, and the tools that set an ACL to copy.
  e2fsprogs dosfstools fusefat exfatprogs exfat-fuse fuse3 acl
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
