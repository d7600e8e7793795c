#!/usr/bin/env bash
# Installs what is missing, checks that every program the tests start is on
# PATH (the list is in scripts/requirements.sh), builds, runs the fuzzers for a
# short while, runs the Windows build's tests under Wine, starts the services
# the tests need and runs every test suite (unit, html, pdf, printer, office,
# reliability). ctest's summary is the last thing printed; the exit status
# fails if either part failed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# Every program the suites start must be there now: stop here rather than
# deep inside one test.
source scripts/requirements.sh
missing_programs=$(vane_missing_programs)
if [ -n "$missing_programs" ]; then
  echo "test.sh: programs the tests need are not on PATH (program (Debian package)):" >&2
  echo "$missing_programs" | sed 's/^/  /' >&2
  exit 1
fi
bash scripts/build.sh ci
# Each fuzz target for 30 s on its corpus: no crash, sanitizer report or hang.
bash scripts/fuzz.sh 30
# Cross-built with MinGW-w64 and run under Wine (installs its own toolchain).
windows_status=0
bash scripts/windows-test.sh || windows_status=$?
bash scripts/services.sh
cd build/ci
linux_status=0
ctest --output-on-failure --timeout 900 -j 2 || linux_status=$?
if [ "$windows_status" -ne 0 ]; then
  echo "The Windows tests failed (scripts/windows-test.sh, status $windows_status)." >&2
fi
[ "$windows_status" -eq 0 ] && [ "$linux_status" -eq 0 ]
