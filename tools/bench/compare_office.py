#!/usr/bin/env python3
"""Compares the outline and links of our PDFs with the office's own PDF export, per document.

    python3 tools/bench/compare_office.py --vane build/release-bench/tools/vane/vane \
        [--printer Folivane] [--corpus DIR] [documents...]

Without documents: every document listed in DIR/MANIFEST.tsv (default: the shared public
corpus) and samples/folivane-guide.docx. Each document is copied into a scratch directory,
published with `vane d2p`, and exported by the office with
`soffice --convert-to pdf:writer_pdf_Export:{"ExportBookmarks":...true}` (all documents in
one office run). Both PDFs are counted with tools/bench/pdf_counts.py and a Markdown table
is printed: pages, outline entries and link annotations (internal / URL / other), ours
first, the office's second.
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


def run_d2p(vane, printer, doc, pdf):
    """Runs d2p; retries while another process holds the instance lock. Returns (ok, seconds, text)."""
    for _ in range(30):
        start = time.monotonic()
        done = subprocess.run([vane, "-language", "ENGLISH", "d2p", "-p", printer, "-o", pdf, doc],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
        seconds = time.monotonic() - start
        if "Multiple instances not supported" not in done.stdout:
            return done.returncode == 0 and os.path.exists(pdf), seconds, done.stdout
        time.sleep(10)
    return False, 0.0, "instance lock held for too long"


def pair(ours, theirs, key):
    a = "–" if ours is None else str(ours[key])
    b = "–" if theirs is None else str(theirs[key])
    mark = "" if ours is None or theirs is None or ours[key] == theirs[key] else " ≠"
    return "%s / %s%s" % (a, b, mark)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--vane", required=True)
    parser.add_argument("--printer", default="Folivane")
    parser.add_argument("--corpus", default=os.path.join(ROOT, "..", "shared", "corpus", "public"))
    parser.add_argument("documents", nargs="*")
    args = parser.parse_args()
    vane = os.path.abspath(args.vane)
    docs = args.documents or corpus_documents(args.corpus) + [os.path.join(ROOT, "samples", "folivane-guide.docx")]

    work = tempfile.mkdtemp(prefix="fv-compare-")
    try:
        src, ours_dir, office_dir = (os.path.join(work, d) for d in ("src", "ours", "office"))
        for d in (src, ours_dir, office_dir):
            os.makedirs(d)
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
            pdf = os.path.join(ours_dir, stem + ".pdf")
            ok, seconds, text = run_d2p(vane, args.printer, copy, pdf)
            total += seconds
            ours = pdf_counts.counts(pdf) if ok else None
            if not ok:
                failures.append((name, text.strip().splitlines()[-3:]))
            office_pdf = os.path.join(office_dir, stem + ".pdf")
            theirs = pdf_counts.counts(office_pdf) if os.path.exists(office_pdf) else None
            rows.append((name, ours, theirs, seconds))
            print("%-60s d2p %s in %.1f s" % (name, "ok" if ok else "FAILED", seconds), file=sys.stderr, flush=True)

        print("Per document: ours (vane d2p) / the office's own export (writer_pdf_Export, ExportBookmarks)."
              " \"≠\" marks a difference.")
        print()
        print("| document | pages | outline | internal links | URL links | other links |")
        print("|---|---|---|---|---|---|")
        sums = {"ours": dict.fromkeys(("pages", "outline", "internal", "url", "other"), 0),
                "theirs": dict.fromkeys(("pages", "outline", "internal", "url", "other"), 0)}
        for name, ours, theirs, _ in rows:
            print("| %s | %s | %s | %s | %s | %s |" % (name, pair(ours, theirs, "pages"), pair(ours, theirs, "outline"),
                                                     pair(ours, theirs, "internal"), pair(ours, theirs, "url"),
                                                     pair(ours, theirs, "other")))
            if ours is not None and theirs is not None:
                for key in sums["ours"]:
                    sums["ours"][key] += ours[key]
                    sums["theirs"][key] += theirs[key]
        print("| **total (documents both published)** | %s |" % " | ".join(
            pair(sums["ours"], sums["theirs"], k) for k in ("pages", "outline", "internal", "url", "other")))
        print()
        print("%d documents, %d published by d2p (%.0f s in all), %d failed."
              % (len(rows), len(rows) - len(failures), total, len(failures)))
        for name, tail in failures:
            print("- d2p failed on %s: %s" % (name, " / ".join(line.strip() for line in tail)))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
