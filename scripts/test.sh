#!/usr/bin/env bash
# Installs what is missing, builds, starts the services the tests need and
# runs every test suite (unit, html, pdf, printer, office), then the fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh ci
bash scripts/services.sh
(cd build/ci && ctest --output-on-failure --timeout 900 -j 2)
# Each fuzz target for 30 s on its corpus: no crash, sanitizer report or hang.
bash scripts/fuzz.sh 30
