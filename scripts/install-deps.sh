#!/usr/bin/env bash
# Installs the Debian packages of the given lists (default: the one
# scripts/packages.txt) that are missing. As root it runs apt-get; otherwise
# it prints the exact command and fails.
# Usage: install-deps.sh [LIST...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lists=("$@")
[[ ${#lists[@]} -eq 0 ]] && lists=("$here/packages.txt")
mapfile -t wanted < <(cat "${lists[@]}" | grep -v '^[[:space:]]*#' | awk 'NF {print $1}')

missing=()
for p in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

line="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Prismel needs these Debian packages: ${missing[*]}" >&2
  echo "Install them as root with:" >&2
  echo "  sudo apt-get update && sudo $line" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
$line
