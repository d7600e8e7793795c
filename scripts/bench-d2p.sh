#!/usr/bin/env bash
# Times `vane d2p` against the office's own PDF export on the generated 150-page
# benchmark document, in the same run (3 runs each, medians, ratio; target: d2p at
# most 1.5 times the office's export). Profiles one verbose d2p run when the target
# is missed (or always, with --profile).
#   scripts/bench-d2p.sh [--runs N] [--profile] [--no-fresh] [--no-build] [--doc file.docx]
# Builds the release tree build/release-bench, starts cupsd and installs the
# "Folivane" queue when missing (both need root), and generates the document into
# build/bench-doc when it is missing or older than its generator.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/release-bench
doc=""
build_it=yes
pass=()
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) pass+=(--runs "$2"); shift 2 ;;
    --profile|--no-fresh) pass+=("$1"); shift ;;
    --no-build) build_it=no; shift ;;
    --doc) doc="$2"; shift 2 ;;
    *) echo "usage: $0 [--runs N] [--profile] [--no-fresh] [--no-build] [--doc file.docx]" >&2; exit 2 ;;
  esac
done

if [ "$build_it" = yes ]; then
  [ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target vane vane_office
fi
vane="$build/tools/vane/vane"
[ -x "$vane" ] || { echo "no $vane: build it first" >&2; exit 1; }

if ! lpstat -r 2>/dev/null | grep -q 'scheduler is running'; then
  bash tests/printer/start-cupsd.sh
fi
if ! lpstat -p Folivane >/dev/null 2>&1; then
  "$vane" install_printer -p Folivane -d "Generic PostScript Printer"
fi

if [ -z "$doc" ]; then
  doc=build/bench-doc/bench.docx
  if [ ! -f "$doc" ] || [ tools/bench/make_bench_doc.py -nt "$doc" ] || [ samples/flatodt.py -nt "$doc" ]; then
    echo "Generating $doc (the office lays it out several times: a few minutes on a busy machine)"
    python3 tools/bench/make_bench_doc.py build/bench-doc
  fi
fi

echo "machine: $(nproc) cores; $(uptime)"
python3 tools/bench/bench_d2p.py --vane "$vane" --doc "$doc" "${pass[@]}"
echo "machine: $(uptime)"
