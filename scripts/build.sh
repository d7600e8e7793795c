#!/usr/bin/env bash
# Configures and builds Folivane with the given preset (default: ci).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-ci}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
