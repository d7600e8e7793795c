#!/usr/bin/env bash
# Installs the Debian packages Folivane builds and tests with (Debian 12).
# Runs apt-get update once, and only when something is missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev
  # fuzzing (libFuzzer with clang's sanitizer runtimes)
  clang libclang-rt-14-dev
  # HTML filter, printer spooler, PDF page rotation, desktop program
  libtidy-dev libcups2-dev libqpdf-dev libpoppler-cpp-dev qt6-base-dev qt6-base-dev-tools
  # services and programs the tests drive
  cups cups-client cups-bsd ghostscript poppler-utils qpdf xvfb xauth chromium fonts-dejavu-core
  # scripts of the tests and benchmarks (fault injection: python3, chattr, pgrep)
  python3 e2fsprogs procps
  # the word processor and the fonts its page breaks depend on
  libreoffice-writer libreoffice-core libreoffice-dev
  fonts-crosextra-carlito fonts-crosextra-caladea fonts-liberation2
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
command -v node >/dev/null || echo "warning: node is missing; the browser test will be skipped" >&2
