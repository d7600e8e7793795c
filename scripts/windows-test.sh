#!/usr/bin/env bash
# The Windows build: cross-compiles vanecore.dll, vane.exe and the Windows
# tests with MinGW-w64 and runs the tests labelled "windows" under Wine.
#   scripts/windows-test.sh [build-dir]     (default: build/windows, the "windows" preset)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build/windows}
started=$SECONDS

step() { printf '\n== %s (%ds)\n' "$*" $((SECONDS - started)); }

step "Toolchain and Wine"
packages=(g++-mingw-w64-x86-64-posix wine wine64)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
x86_64-w64-mingw32-g++-posix --version | head -n1
wine --version 2>/dev/null

step "Configure ($build)"
cmake --preset windows -B "$build" >/dev/null

step "Build"
cmake --build "$build" -j 2 | tail -n 3

step "Start the Wine server"
# One prefix for the whole run, inside the build tree. Every Wine call gets
# its standard streams redirected: a server that inherits ctest's pipes keeps
# ctest waiting for ever.
export WINEPREFIX=$root/$build/wineprefix
export WINEDEBUG=-all,err+module
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
wineboot -i </dev/null >/dev/null 2>&1
wineserver -w </dev/null >/dev/null 2>&1
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
stop_server() { wineserver -k </dev/null >/dev/null 2>&1 || true; }
trap stop_server EXIT

step "Tests (label windows)"
status=0
(cd "$build" && ctest -L windows --output-on-failure --timeout 120) || status=$?

step "Stop the Wine server"
stop_server
trap - EXIT
printf '\nWindows tests: %s in %ds\n' "$([ $status -eq 0 ] && echo passed || echo FAILED)" $((SECONDS - started))
exit $status
