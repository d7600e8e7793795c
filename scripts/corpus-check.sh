#!/usr/bin/env bash
# The corpus gate over everything: publishes every document of the shared public
# and wide corpora with both commands (tests/corpus, corpus_test), applies its
# checks, and prints one row per document: pages, outline entries, links ours /
# the office's, site pages, broken links, unbalanced pages, seconds; then the
# totals and the failing documents with their reasons. Exits 1 when any check fails.
#
#   bash scripts/corpus-check.sh [build-dir]     (default build/corpus)
#
# VANE_CORPUS_JOBS (default 2) documents are published at a time; needs cupsd
# (tests/printer/start-cupsd.sh) and the office.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/corpus}
jobs=${VANE_CORPUS_JOBS:-2}
shared=${VANE_SHARED_DIR:-$root/../shared}

# shellcheck source=requirements.sh
source "$root/scripts/requirements.sh"
missing=$(vane_missing_programs)
if [[ -n $missing ]]; then
  echo "missing programs:" $missing >&2
  exit 2
fi

if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target vane vane_office corpus_test >/dev/null
program=$build/tests/corpus/corpus_test

work=$(mktemp -d "${TMPDIR:-/tmp}/vane-corpus-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Every document of both manifests, by corpus then name.
for corpus in public wide; do
  awk -F'\t' -v c="$corpus" 'NR > 1 && $1 != "" { print c "/" $1 }' "$shared/corpus/$corpus/MANIFEST.tsv"
done >"$work/documents"
total=$(wc -l <"$work/documents")

# One corpus_test process per document, $jobs at a time; each appends its row.
echo "$total documents" >&2
started=$(date +%s)
xargs -P "$jobs" -I{} sh -c '
  doc=$1; work=$2; program=$3
  log="$work/$(echo "$doc" | tr / _).log"
  VANE_SHARED_DIR=$4 VANE_CORPUS_DOCUMENTS="$doc" VANE_CORPUS_REPORT="$work/rows.tsv" "$program" >"$log" 2>&1 || true
  echo "done: $doc" >&2
' _ {} "$work" "$program" "$shared" <"$work/documents"
elapsed=$(($(date +%s) - started))

# A document whose run left no row (the test program itself failed) is a failure too.
while read -r doc; do
  if ! grep -q "^$doc	" "$work/rows.tsv" 2>/dev/null; then
    log="$work/$(echo "$doc" | tr / _).log"
    printf '%s\t0\t0\t0\t0\t0\t0\t0\t0\tFAIL\tno result: %s\n' "$doc" "$(tail -n 1 "$log" | tr '\t' ' ')" >>"$work/rows.tsv"
  fi
done <"$work/documents"

sort -t$'\t' -k1,1 "$work/rows.tsv" | awk -F'\t' -v elapsed="$elapsed" '
  BEGIN {
    fmt = "%-70s %6s %8s %13s %6s %7s %11s %8s  %s\n"
    printf fmt, "document", "pages", "outline", "links ours/office", "site", "broken", "unbalanced", "seconds", "result"
  }
  {
    printf fmt, $1, $2, $3, $4 " / " $5, $6, $7, $8, $9, $10
    docs++; pages += $2; outline += $3; ours += $4; office += $5; site += $6; broken += $7; unbalanced += $8
    seconds += $9
    if ($10 == "FAIL") failed[++nfailed] = $1 ": " $11
    else if ($10 != "pass") refused++
  }
  END {
    printf fmt, "total (" docs " documents)", pages, outline, ours " / " office, site, broken, unbalanced,
      sprintf("%.0f", seconds), (docs - nfailed) " pass"
    printf "\n%d documents in %d s: %d pass (%d of them cannot be opened by the office and fail cleanly), %d fail.\n",
      docs, elapsed, docs - nfailed, refused, nfailed
    for (i = 1; i <= nfailed; i++) print "FAIL " failed[i]
    exit nfailed > 0
  }'
