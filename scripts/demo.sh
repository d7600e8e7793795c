#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: publishes the bundled
# sample guide as a PDF (through the "Folivane" PostScript queue) and as an
# HTML site, into build/demo.
#   demo.sh --desk   opens the desk program on the guide instead (needs a display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh release
bash scripts/services.sh

vane=build/release/tools/vane/vane
if [ "${1:-}" = "--desk" ]; then
  "$vane" install_printer -p Folivane -d "Generic PostScript Printer"
  exec build/release/desk/ui/vanedesk "$PWD/samples/folivane-guide.docx"
fi
out=build/demo
mkdir -p "$out"
"$vane" display_info
"$vane" install_printer -p Folivane -d "Generic PostScript Printer"
"$vane" d2p -p Folivane -o "$out/folivane-guide.pdf" samples/folivane-guide.docx
"$vane" d2h -e -o "$out/folivane-guide" samples/folivane-guide.docx
echo
echo "PDF:  $out/folivane-guide.pdf"
echo "Site: $out/folivane-guide/index.html"
