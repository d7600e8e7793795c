#!/usr/bin/env bash
# Installs what is missing, builds, starts the services the tests need and
# runs every test suite (unit, html, pdf, printer, office).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh ci
bash scripts/services.sh
cd build/ci
ctest --output-on-failure --timeout 900 -j 2
