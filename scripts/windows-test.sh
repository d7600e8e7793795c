#!/usr/bin/env bash
# The Windows build: cross-compiles vanecore.dll, vane.exe and the Windows
# tests with MinGW-w64 and runs the tests labelled "windows" under Wine.
#   scripts/windows-test.sh [build-dir]     (default: build/windows, the "windows" preset)
# Environment:
#   VANE_WINDOWS_JOBS   compile and test jobs (default 2)
#   VANE_WINEPREFIX     the Wine prefix of the tests (default <build-dir>/wineprefix-tests,
#                       kept between runs; headless: windows are made by Wine's null
#                       display driver, so no X server is needed)
# Exits non-zero when a step fails, a test fails or something runs out of
# time; the last lines are a summary with the time of each phase.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build/windows}
case $build in /*) ;; *) build=$root/$build ;; esac
jobs=${VANE_WINDOWS_JOBS:-2}
started=$SECONDS

# Time limits (seconds) of the phases; nothing may keep the caller waiting.
limit_packages=1200
limit_configure=300
limit_build=2400
limit_wine=300
limit_tests=900

phases=()
failure=""
record() { phases+=("$(printf '  %-12s %5ds  %s' "$1" "$2" "$3")"); }
fail() { [ -n "$failure" ] || failure=$1; }
# The result of `timeout`: 124 means the limit was reached.
outcome() { case $1 in 0) echo ok ;; 124 | 137) echo "TIMED OUT" ;; *) echo "FAILED ($1)" ;; esac; }
step() { printf '\n== %s (%ds)\n' "$*" $((SECONDS - started)); }

summary() {
  printf '\n== Summary (windows-test.sh)\n'
  printf '%s\n' "${phases[@]}"
  printf '  %-12s %5ds\n' total $((SECONDS - started))
  if [ -z "$failure" ]; then
    echo "Windows tests: PASSED"
  else
    echo "Windows tests: FAILED ($failure)"
  fi
}

# Every Wine call gets its standard streams redirected: a Wine server that
# inherits a pipe of the caller keeps the caller waiting for ever.
wine_quiet() { timeout --kill-after=10 "$1" "${@:2}" </dev/null >>"$wine_log" 2>&1; }
stop_wine() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  timeout --kill-after=5 30 wineserver -k </dev/null >/dev/null 2>&1 || true
}

# ---- Packages ---------------------------------------------------------------
step "Toolchain and Wine"
t0=$SECONDS
packages=(cmake ninja-build googletest g++-mingw-w64-x86-64-posix wine wine64)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
status=0
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  apt_install() {
    timeout --kill-after=30 "$limit_packages" "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=300 "${missing[@]}" >/dev/null
  }
  # The package lists are normally fresh (deps.sh); read them again only
  # when the packages cannot be found in them.
  if ! apt_install; then
    timeout 600 "${sudo_cmd[@]}" apt-get update -qq -o DPkg::Lock::Timeout=300 && apt_install
    status=$?
  fi
fi
record packages $((SECONDS - t0)) "$(outcome $status)"
if ((status)); then
  fail "package installation"
  summary
  exit 1
fi
x86_64-w64-mingw32-g++-posix --version | head -n1
wine --version 2>/dev/null

# ---- Configure --------------------------------------------------------------
step "Configure ($build)"
t0=$SECONDS
status=0
mkdir -p "$build"
timeout --kill-after=30 $limit_configure cmake --preset windows -B "$build" >"$build/configure.log" 2>&1 || status=$?
((status == 0)) || tail -n 40 "$build/configure.log"
record configure $((SECONDS - t0)) "$(outcome $status)"
if ((status)); then
  fail configure
  summary
  exit 1
fi

# ---- Wine prefix, made while the build runs ---------------------------------
# One prefix for the whole run; the server stays up (-p) until the end so
# that each test program starts without booting Wine again. The dialog tests
# create (hidden) windows: the null display driver lets them without X.
export WINEPREFIX=${VANE_WINEPREFIX:-$build/wineprefix-tests}
export WINEDEBUG=-all,err+module
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
wine_log=$build/wine.log
: >"$wine_log"
trap stop_wine EXIT
wine_started=$SECONDS
(
  mkdir -p "$WINEPREFIX"
  wine_quiet 30 wineserver -k || true  # a server left behind by an interrupted run
  if [ -f "$WINEPREFIX/system.reg" ]; then
    boot=(wine cmd /c exit)  # updates the prefix when Wine itself changed
  else
    boot=(wineboot -i)
  fi
  # Booting goes on in processes of its own after wineboot returns; waiting
  # for the server to end (here, beside the build) keeps that work out of
  # the first tests, which otherwise take several times longer.
  wine_quiet $limit_wine "${boot[@]}" &&
    wine_quiet $limit_wine wineserver -w &&
    wine_quiet 30 wineserver -p &&
    wine_quiet 60 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  status=$?
  echo "$status $((SECONDS - wine_started))" >"$build/wine.status"
  exit $status
) &
wine_pid=$!

# ---- Build ------------------------------------------------------------------
# Only what the "windows" tests run: the test programs, their helper program,
# vane.exe and vanecore.dll.
step "Build ($jobs jobs)"
t0=$SECONDS
status=0
timeout --kill-after=30 $limit_build cmake --build "$build" --target windows_tests -j "$jobs" \
  >"$build/build.log" 2>&1 || status=$?
if ((status)); then grep -E -B2 -A12 'FAILED:|error:' "$build/build.log" | head -n 80; else tail -n 1 "$build/build.log"; fi
record build $((SECONDS - t0)) "$(outcome $status)"
if ((status)); then
  fail build
  wait $wine_pid 2>/dev/null
  summary
  exit 1
fi

# ---- Wine ready -------------------------------------------------------------
step "Wine prefix"
t0=$SECONDS
status=0
wait $wine_pid || status=$?
booted=$(cut -d' ' -f2 "$build/wine.status" 2>/dev/null || echo "?")
if ((status)); then tail -n 20 "$wine_log"; fi
record wine $((SECONDS - t0)) "$(outcome $status) (prefix ready after ${booted}s, beside the build)"
if ((status)); then
  fail "Wine prefix"
  summary
  exit 1
fi

# ---- Tests ------------------------------------------------------------------
step "Tests (label windows, $jobs jobs)"
t0=$SECONDS
status=0
# Into a file, not a pipe: a Wine process left behind must not hold the
# output open.
(cd "$build" && timeout --kill-after=30 $limit_tests \
  ctest -L windows -j "$jobs" --output-on-failure --timeout 120 </dev/null >"$build/ctest.log" 2>&1) || status=$?
cat "$build/ctest.log"
counts=$(grep -E 'tests passed, [0-9]+ tests failed' "$build/ctest.log" | tail -n 1)
record tests $((SECONDS - t0)) "$(outcome $status)${counts:+ - $counts}"
if ((status)); then
  fail "tests"
  failed_tests=$(sed -n '/The following tests FAILED:/,$p' "$build/ctest.log" | grep -E '^\s+[0-9]+ - ' || true)
  [ -z "$failed_tests" ] || phases+=("$failed_tests")
fi

stop_wine
trap - EXIT
summary
[ -z "$failure" ]
