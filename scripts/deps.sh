#!/usr/bin/env bash
# Installs the Debian packages Folivane builds and tests with (Debian 12): the
# list is in scripts/requirements.sh. Runs apt-get update once, and only when
# something is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/requirements.sh

missing=()
for p in "${vane_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  missing+=("${vane_node_packages[@]}")
fi
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
