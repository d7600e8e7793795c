#!/usr/bin/env python3
"""The speed targets in one run: `vane d2p` / `vane d2h` against the office's own conversion
(`soffice --convert-to pdf` / `html`), every document in its own process for both, on the same
machine in the same run.

    python3 tools/bench/bench_ratios.py --vane build/n/tools/vane/vane [--printer Folivane] \
        [--bench build/bench-doc/bench.docx] [--bench620 FILE] [--corpus DIR] [--runs N] [--no-corpus]

Prints, per series, the wall time of ours and the office's and their ratio:
  - the benchmark document (median of --runs runs), PDF and HTML;
  - the 620-page document, PDF (time per page against the benchmark document);
  - the public corpus, PDF and HTML (sums over the documents);
and the peak resident memory of our process and of the office during the 620-page d2p (sampled
every 50 ms from /proc).
"""

import argparse
import csv
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))


def corpus_documents(corpus):
    with open(os.path.join(corpus, "MANIFEST.tsv"), newline="", encoding="utf-8") as f:
        return [os.path.join(corpus, row["file"]) for row in csv.DictReader(f, delimiter="\t")]


class PeakMemory:
    """Samples the resident memory of a process and of the office processes below it."""

    def __init__(self, pid):
        self.pid = pid
        self.ours = 0
        self.office = 0
        self.done = False
        self.thread = threading.Thread(target=self.run, daemon=True)
        self.thread.start()

    @staticmethod
    def rss_kb(pid):
        try:
            with open("/proc/%d/status" % pid) as f:
                for line in f:
                    if line.startswith("VmRSS:"):
                        return int(line.split()[1])
        except OSError:
            pass
        return 0

    def descendants(self):
        children = {}
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open("/proc/%s/stat" % entry) as f:
                    parent = int(f.read().rsplit(")", 1)[1].split()[1])
                children.setdefault(parent, []).append(int(entry))
            except (OSError, ValueError, IndexError):
                continue
        found, todo = [], [self.pid]
        while todo:
            for child in children.get(todo.pop(), []):
                found.append(child)
                todo.append(child)
        return found

    def run(self):
        while not self.done:
            self.ours = max(self.ours, self.rss_kb(self.pid))
            office = 0
            for pid in self.descendants():
                try:
                    with open("/proc/%d/comm" % pid) as f:
                        if f.read().strip() == "soffice.bin":
                            office += self.rss_kb(pid)
                except OSError:
                    pass
            self.office = max(self.office, office)
            time.sleep(0.05)

    def stop(self):
        self.done = True
        self.thread.join()


def run(cmd, env=None, memory=False):
    """Runs cmd; returns (wall seconds, peak memory or None). Fails loudly."""
    start = time.monotonic()
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env)
    sampler = PeakMemory(proc.pid) if memory else None
    out, _ = proc.communicate()
    wall = time.monotonic() - start
    if sampler:
        sampler.stop()
    if proc.returncode != 0:
        sys.stderr.write(out.decode(errors="replace"))
        raise SystemExit("failed (%d): %s" % (proc.returncode, " ".join(cmd)))
    return wall, sampler


class Runner:
    def __init__(self, vane, printer, work, env):
        self.vane, self.printer, self.work, self.env = vane, printer, work, env
        self.count = 0

    def scratch(self, doc):
        """A fresh folder with a copy of the document (our commands write beside it)."""
        self.count += 1
        folder = os.path.join(self.work, "r%d" % self.count)
        os.makedirs(folder)
        copy = os.path.join(folder, os.path.basename(doc))
        shutil.copyfile(doc, copy)
        return folder, copy

    def d2p(self, doc, memory=False):
        folder, copy = self.scratch(doc)
        result = run([self.vane, "-language", "ENGLISH", "d2p", "-s", "-p", self.printer,
                      "-o", os.path.join(folder, "out.pdf"), copy], self.env, memory)
        shutil.rmtree(folder, ignore_errors=True)
        return result

    def d2h(self, doc):
        folder, copy = self.scratch(doc)
        result = run([self.vane, "-language", "ENGLISH", "d2h", "-s", "-o", os.path.join(folder, "site"), copy],
                     self.env)
        shutil.rmtree(folder, ignore_errors=True)
        return result

    def office(self, doc, kind):
        """The office's own conversion with a fresh profile, as each of our runs has."""
        folder, copy = self.scratch(doc)
        profile = os.path.join(folder, "profile")
        result = run(["soffice", "-env:UserInstallation=file://" + profile, "--headless", "--norestore",
                      "--nolockcheck", "--convert-to", kind, "--outdir", os.path.join(folder, "out"), copy],
                     self.env)
        shutil.rmtree(folder, ignore_errors=True)
        return result


def median_of(runs, fn):
    return statistics.median(fn()[0] for _ in range(runs))


def row(name, ours, theirs, target):
    ratio = ours / theirs if theirs else float("inf")
    mark = "" if target is None else (" (target <= %.1f: %s)" % (target, "met" if ratio <= target else "NOT met"))
    print("| %s | %.2f | %.2f | %.2f%s |" % (name, ours, theirs, ratio, mark), flush=True)
    return ratio


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--vane", required=True)
    parser.add_argument("--printer", default="Folivane")
    parser.add_argument("--bench", default=os.path.join(ROOT, "build", "bench-doc", "bench.docx"))
    parser.add_argument("--bench620", help="the same document generated with --chapters 100")
    parser.add_argument("--corpus", default=os.path.join(ROOT, "..", "shared", "corpus", "public"))
    parser.add_argument("--no-corpus", action="store_true")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="fv-ratios-")
    env = dict(os.environ)
    xdg = os.path.join(work, "xdg")
    os.makedirs(xdg, mode=0o700)
    env["XDG_RUNTIME_DIR"] = xdg  # an instance lock of our own
    r = Runner(os.path.abspath(args.vane), args.printer, work, env)
    try:
        with open("/proc/loadavg") as f:
            print("load before: %s" % " ".join(f.read().split()[:3]))
        print()
        print("| series | ours (s) | office (s) | ratio |")
        print("|---|---|---|---|")
        bench = os.path.abspath(args.bench)
        d2p_155 = median_of(args.runs, lambda: r.d2p(bench))
        row("155 pages, PDF (median of %d)" % args.runs, d2p_155,
            median_of(args.runs, lambda: r.office(bench, "pdf")), 1.5)
        row("155 pages, HTML (median of %d)" % args.runs, median_of(args.runs, lambda: r.d2h(bench)),
            median_of(args.runs, lambda: r.office(bench, "html")), 1.5)
        memory = None
        if args.bench620:
            wall, memory = r.d2p(os.path.abspath(args.bench620), memory=True)
            row("620 pages, PDF (one run)", wall, r.office(os.path.abspath(args.bench620), "pdf")[0], None)
            print("| 620 pages against 155 pages, d2p | %.2f | %.2f | %.2f (target <= 4.5) |" % (wall, d2p_155,
                                                                                            wall / d2p_155))
        if not args.no_corpus:
            docs = corpus_documents(args.corpus)
            sums = {"d2p": 0.0, "pdf": 0.0, "d2h": 0.0, "html": 0.0}
            for doc in docs:
                sums["d2p"] += r.d2p(doc)[0]
                sums["pdf"] += r.office(doc, "pdf")[0]
                sums["d2h"] += r.d2h(doc)[0]
                sums["html"] += r.office(doc, "html")[0]
            row("public corpus (%d documents), PDF, sum" % len(docs), sums["d2p"], sums["pdf"], 2.0)
            row("public corpus (%d documents), HTML, sum" % len(docs), sums["d2h"], sums["html"], 2.0)
        if memory:
            print()
            print("peak resident memory during the 620-page d2p: ours %.0f MB (target < 100 MB), the office %.0f MB"
                  % (memory.ours / 1024.0, memory.office / 1024.0))
        with open("/proc/loadavg") as f:
            print("load after: %s" % " ".join(f.read().split()[:3]))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
