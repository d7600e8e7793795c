#!/usr/bin/env bash
# Starts the services the test suites need: the CUPS scheduler (with file
# devices allowed) for the printer tests.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -x tests/printer/start-cupsd.sh ] || [ -f tests/printer/start-cupsd.sh ]; then
  bash tests/printer/start-cupsd.sh
fi
