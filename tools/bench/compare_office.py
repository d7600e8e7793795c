#!/usr/bin/env python3
"""Compares the outline and links of our PDFs with the office's own PDF export, per document.

    python3 tools/bench/compare_office.py --vane build/release-bench/tools/vane/vane \
        [--printer Folivane] [--corpus DIR]... [--limit N] [documents...]

Without documents: every document listed in DIR/MANIFEST.tsv of each --corpus (default: the
shared public and wide corpora). Each document is copied into a scratch directory, published
twice with `vane d2p` (without options, then with -a -r) and exported by the office with
`soffice --convert-to pdf:writer_pdf_Export:{"ExportBookmarks":...true}` (all documents of a
corpus in one office run). The three PDFs are counted with tools/bench/pdf_counts.py and a
Markdown table is printed per corpus: pages, outline entries and link annotations (every kind),
ours without options / ours with -a -r / the office's, with the totals.
"""

import argparse
import csv
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, HERE)

import pdf_counts  # noqa: E402

EXPORT = 'pdf:writer_pdf_Export:{"ExportBookmarks":{"type":"boolean","value":"true"}}'


def corpus_documents(corpus):
    with open(os.path.join(corpus, "MANIFEST.tsv"), newline="", encoding="utf-8") as f:
        return [os.path.join(corpus, row["file"]) for row in csv.DictReader(f, delimiter="\t")]


def run_d2p(vane, printer, doc, pdf, options):
    """Runs d2p; retries while another process holds the instance lock. Returns (ok, seconds, text)."""
    for _ in range(30):
        start = time.monotonic()
        done = subprocess.run([vane, "-language", "ENGLISH", "d2p", "-p", printer] + options + ["-o", pdf, doc],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
        seconds = time.monotonic() - start
        if "Multiple instances not supported" not in done.stdout:
            return done.returncode == 0 and os.path.exists(pdf), seconds, done.stdout
        time.sleep(10)
    return False, 0.0, "instance lock held for too long"


# The three PDFs of a row: ours without options, ours with -a -r, the office's.
RUNS = (("plain", []), ("all", ["-a", "-r"]))
KEYS = ("pages", "outline", "links")


def counted(pdf):
    if not os.path.exists(pdf):
        return None
    c = pdf_counts.counts(pdf)
    return {"pages": c["pages"], "outline": c["outline"], "links": c["internal"] + c["url"] + c["other"]}


def cell(values, key):
    shown = ["–" if v is None else str(v[key]) for v in values]
    # "<" marks a document where ours with -a -r has fewer than the office's export
    short = values[1] is not None and values[2] is not None and values[1][key] < values[2][key]
    return " / ".join(shown) + (" <" if short else "")


def compare_corpus(title, docs, vane, printer, work):
    src, office_dir = os.path.join(work, "src"), os.path.join(work, "office")
    for d in [src, office_dir] + [os.path.join(work, run) for run, _ in RUNS]:
        os.makedirs(d, exist_ok=True)
    copies = []
    for doc in docs:
        copy = os.path.join(src, os.path.basename(doc))
        shutil.copyfile(doc, copy)
        copies.append(copy)

    profile = os.path.join(work, "profile")
    subprocess.run(["soffice", "-env:UserInstallation=file://" + profile, "--headless", "--norestore",
                    "--nolockcheck", "--convert-to", EXPORT, "--outdir", office_dir] + copies,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    rows, failures, total = [], [], 0.0
    for copy in copies:
        name = os.path.basename(copy)
        stem = os.path.splitext(name)[0]
        values = []
        for run, options in RUNS:
            pdf = os.path.join(work, run, stem + ".pdf")
            ok, seconds, text = run_d2p(vane, printer, copy, pdf, options)
            total += seconds
            values.append(counted(pdf) if ok else None)
            if not ok:
                failures.append((name, " ".join(options) or "no options", text.strip().splitlines()[-3:]))
            print("%-60s d2p %-6s %s in %.1f s" % (name, " ".join(options), "ok" if ok else "FAILED", seconds),
                  file=sys.stderr, flush=True)
        values.append(counted(os.path.join(office_dir, stem + ".pdf")))
        rows.append((name, values))

    print("## %s" % title)
    print()
    print("Per document: ours without options / ours with -a -r / the office's own export"
          " (writer_pdf_Export, ExportBookmarks). \"<\" marks fewer with -a -r than the office's.")
    print()
    print("| document | pages | outline entries | links |")
    print("|---|---|---|---|")
    sums = [dict.fromkeys(KEYS, 0) for _ in range(3)]
    complete = 0
    for name, values in rows:
        print("| %s | %s |" % (name, " | ".join(cell(values, k) for k in KEYS)))
        if all(v is not None for v in values):
            complete += 1
            for total_row, v in zip(sums, values):
                for k in KEYS:
                    total_row[k] += v[k]
    print("| **total (%d documents with all three PDFs)** | %s |" % (complete, " | ".join(
        cell(sums, k) for k in KEYS)))
    print()
    print("%d documents, %d d2p runs failed, %.0f s of d2p in all." % (len(rows), len(failures), total))
    for name, options, tail in failures:
        print("- d2p (%s) failed on %s: %s" % (options, name, " / ".join(line.strip() for line in tail)))
    print()
    sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--vane", required=True)
    parser.add_argument("--printer", default="Folivane")
    parser.add_argument("--corpus", action="append",
                        help="a corpus folder with MANIFEST.tsv (repeatable; default: public and wide)")
    parser.add_argument("--limit", type=int, default=0, help="only the first N documents of each corpus")
    parser.add_argument("documents", nargs="*")
    args = parser.parse_args()
    vane = os.path.abspath(args.vane)
    shared = os.path.join(ROOT, "..", "shared", "corpus")
    corpora = args.corpus or [os.path.join(shared, "public"), os.path.join(shared, "wide")]

    work = tempfile.mkdtemp(prefix="fv-compare-")
    try:
        if args.documents:
            compare_corpus("documents", args.documents, vane, args.printer, os.path.join(work, "docs"))
        else:
            for number, corpus in enumerate(corpora):
                docs = corpus_documents(corpus)
                if args.limit > 0:
                    docs = docs[:args.limit]
                title = "%s corpus" % os.path.basename(os.path.normpath(corpus))
                compare_corpus(title, docs, vane, args.printer, os.path.join(work, str(number)))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
