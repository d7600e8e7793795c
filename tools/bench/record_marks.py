#!/usr/bin/env python3
"""Records the mark file (document information, outline and link marks) of every document d2p
publishes, and compares a recording with an earlier one.

    python3 tools/bench/record_marks.py --vane build/n/tools/vane/vane --out DIR \
        [--printer Folivane] [--corpus DIR] [--compare EARLIER_DIR] [--] [documents...]

Without documents: every document of the corpus MANIFEST.tsv (default: the shared public
corpus), samples/folivane-guide.docx and the benchmark documents found in build/bench-doc
(bench*.docx). Each document is copied into a scratch directory and published with
`vane d2p`, whose producer is a small stand-in (`-c FOLDER`, FOLDER/bin/gs) that keeps a copy
of the file it is given and then runs the real Ghostscript on it. What the printed document
contributes (the appended PostScript, or the line that runs the printed PDF) is cut off: DIR
holds NAME.marks per document and results.tsv (exit code, seconds, mark bytes). The scratch
folder's name, which links to files beside a document carry, is written as "<scratch>".

With --compare, each NAME.marks is compared byte for byte with the one in EARLIER_DIR, and
the differing documents are listed with the first lines that differ; the exit code is 1 when
any differ or a document's result changed.
"""

import argparse
import csv
import difflib
import glob
import os
import re
import shutil
import stat
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))

# The stand-in producer: keeps the file after -f, then hands everything to the real one.
PRODUCER = """#!/bin/sh
keep="$VANE_RECORD_MARKS"
prev=""
for a in "$@"; do
  if [ "$prev" = "-f" ] && [ -n "$keep" ]; then cp -- "$a" "$keep"; fi
  prev="$a"
done
exec {gs} "$@"
"""

# Where the marks end: the first line of the appended PostScript, or of the program running the PDF.
PRINTED_START = re.compile(rb"^(%!PS|/NEWPDF |\(.*\) run\r?$)", re.M)


def corpus_documents(corpus):
    with open(os.path.join(corpus, "MANIFEST.tsv"), newline="", encoding="utf-8") as f:
        return [os.path.join(corpus, row["file"]) for row in csv.DictReader(f, delimiter="\t")]


# The scratch folder's name (links to files beside the document carry it): the same in every recording.
SCRATCH = re.compile(rb"/fv-marks-[^/]+/docs/")


def same_scratch(data):
    return SCRATCH.sub(b"/<scratch>/docs/", data)


def marks_only(data):
    match = PRINTED_START.search(data)
    return data[:match.start()] if match else data


def record(vane, printer, doc, scratch, producer_dir, out):
    """Publishes one document; writes NAME.marks. Returns (exit code, seconds, mark bytes)."""
    name = os.path.basename(doc)
    copy = os.path.join(scratch, name)
    shutil.copyfile(doc, copy)
    kept = os.path.join(scratch, "kept.ps")
    pdf = os.path.join(scratch, os.path.splitext(name)[0] + ".pdf")
    env = dict(os.environ, VANE_RECORD_MARKS=kept)
    for path in (kept, pdf):
        if os.path.exists(path):
            os.remove(path)
    start = time.monotonic()
    done = subprocess.run([vane, "-language", "ENGLISH", "d2p", "-p", printer, "-c", producer_dir, "-o", pdf, copy],
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env)
    seconds = time.monotonic() - start
    marks = b""
    if os.path.exists(kept):
        with open(kept, "rb") as f:
            marks = same_scratch(marks_only(f.read()))
        os.remove(kept)
    with open(os.path.join(out, name + ".marks"), "wb") as f:
        f.write(marks)
    with open(os.path.join(out, name + ".log"), "wb") as f:
        f.write(done.stdout)
    os.remove(copy)
    if os.path.exists(pdf):
        os.remove(pdf)
    return done.returncode, seconds, len(marks)


def read_results(directory):
    path = os.path.join(directory, "results.tsv")
    if not os.path.exists(path):
        return {}
    with open(path, newline="", encoding="utf-8") as f:
        return {row["document"]: row for row in csv.DictReader(f, delimiter="\t")}


def compare(out, earlier):
    """Prints the differences between two recordings; returns the number of documents that differ."""
    now, before = read_results(out), read_results(earlier)
    differing = 0
    for name in sorted(now):
        if name not in before:
            print("%s: not in %s" % (name, earlier))
            continue
        a_path, b_path = (os.path.join(d, name + ".marks") for d in (earlier, out))
        with open(a_path, "rb") as f:
            a = same_scratch(f.read())
        with open(b_path, "rb") as f:
            b = same_scratch(f.read())
        result_changed = now[name]["exit"] != before[name]["exit"]
        if a == b and not result_changed:
            continue
        differing += 1
        print("%s: exit %s -> %s, %d -> %d bytes" % (name, before[name]["exit"], now[name]["exit"], len(a), len(b)))
        diff = difflib.unified_diff(a.decode("latin-1").splitlines(), b.decode("latin-1").splitlines(),
                                    "before", "now", lineterm="", n=1)
        for line in list(diff)[:40]:
            print("    " + line)
    same = sum(1 for name in now if name in before) - differing
    print("%d documents compared: %d identical, %d differ" % (same + differing, same, differing))
    return differing


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--vane", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--printer", default="Folivane")
    parser.add_argument("--corpus", default=os.path.join(ROOT, "..", "shared", "corpus", "public"))
    parser.add_argument("--bench-dir", default=os.path.join(ROOT, "build", "bench-doc"))
    parser.add_argument("--compare", help="an earlier recording to compare with")
    parser.add_argument("documents", nargs="*")
    args = parser.parse_args()
    vane = os.path.abspath(args.vane)
    docs = args.documents or (corpus_documents(args.corpus) + [os.path.join(ROOT, "samples", "folivane-guide.docx")]
                              + sorted(glob.glob(os.path.join(args.bench_dir, "bench*.docx"))))
    gs = shutil.which("gs")
    if gs is None:
        print("no gs on PATH", file=sys.stderr)
        return 2

    os.makedirs(args.out, exist_ok=True)
    work = tempfile.mkdtemp(prefix="fv-marks-")
    try:
        producer_dir = os.path.join(work, "producer")
        os.makedirs(os.path.join(producer_dir, "bin"))
        program = os.path.join(producer_dir, "bin", "gs")
        with open(program, "w") as f:
            f.write(PRODUCER.format(gs=gs))
        os.chmod(program, stat.S_IRWXU)
        scratch = os.path.join(work, "docs")
        os.makedirs(scratch)
        rows = []
        for doc in docs:
            code, seconds, size = record(vane, args.printer, doc, scratch, producer_dir, args.out)
            rows.append((os.path.basename(doc), code, seconds, size))
            print("%-60s exit %d, %.1f s, %d mark bytes" % (rows[-1][0], code, seconds, size), file=sys.stderr,
                  flush=True)
        # Documents recorded earlier into the same folder stay listed.
        merged = {name: (row["exit"], row["seconds"], row["mark_bytes"]) for name, row in read_results(args.out).items()}
        for name, code, seconds, size in rows:
            merged[name] = (str(code), "%.2f" % seconds, str(size))
        with open(os.path.join(args.out, "results.tsv"), "w", encoding="utf-8") as f:
            f.write("document\texit\tseconds\tmark_bytes\n")
            for name, (code, seconds, size) in merged.items():
                f.write("%s\t%s\t%s\t%s\n" % (name, code, seconds, size))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    if args.compare:
        return 1 if compare(args.out, args.compare) else 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
