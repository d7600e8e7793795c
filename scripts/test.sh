#!/usr/bin/env bash
# Installs what is missing, builds, runs the fuzzers for a short while, starts
# the services the tests need and runs every test suite (unit, html, pdf,
# printer, office). ctest's summary is the last thing printed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh ci
# Each fuzz target for 30 s on its corpus: no crash, sanitizer report or hang.
bash scripts/fuzz.sh 30
bash scripts/services.sh
cd build/ci
ctest --output-on-failure --timeout 900 -j 2
