#!/usr/bin/env python3
"""The speed targets in one run: `vane d2p` / `vane d2h` against the office's own conversion
(`soffice --convert-to pdf` / `html`), every document in its own process for both, on the same
machine in the same run.

    python3 tools/bench/bench_ratios.py --vane build/n/tools/vane/vane [--printer QUEUE] \
        [--bench build/bench-doc/bench.docx] [--bench620 FILE] [--corpus DIR] [--runs N] [--no-corpus]

Prints, per series, the wall time of ours and the office's and their ratio:
  - the benchmark document (median of --runs runs), PDF and HTML;
  - the 620-page document, PDF (time per page against the benchmark document);
  - the public corpus, PDF and HTML (sums over the documents);
the peak resident memory of our process and of the office during the 620-page d2p (sampled
every 50 ms from /proc); and, per phase, the wall time and the traffic over the pipe to the office
for d2p and d2h of the benchmark document (the last of its runs), of the 620-page d2p and summed
over the corpus.

The PostScript printer: without --printer the benchmark installs a queue of its own
(`vane install_printer`) and removes it at the end; with --printer the queue must exist. Either way
the CUPS scheduler must be running (tests/printer/start-cupsd.sh).

The phases come from our own commands: with the environment variable VANE_PIPE_STATS naming a
file, `vane d2p` and `vane d2h` append one line per phase end, tab-separated:

    side  phase  ms  calls  callbacks  messages_out  messages_in  bytes_out  bytes_in

side is "vane" (our process) or "office" (d2p's job inside the office's process). Our phases:
start (the office started and connected; for d2p also the job library loaded), open, walk (from
the document's opening to its printing or export), print / export, close, quit, job (d2p: the
whole in-office phase, as seen from our side), between (time between two of them). calls are the
requests sent over the pipe (release notices included), callbacks the requests received,
messages and bytes are counted each way from the stream's block headers; ms has one decimal.
Inside the office only the calls the job makes back to us are counted (its open, walk, print and
close all lie within our "job"); its messages and bytes columns are 0. Time of the command outside
every phase of ours (loading, the mark file, Ghostscript, the HTML filter) is shown as "outside".
"""

import argparse
import collections
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


class Failed(Exception):
    pass


def run(cmd, env=None, memory=False):
    """Runs cmd; returns (wall seconds, peak memory or None). Raises Failed with its output."""
    start = time.monotonic()
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env)
    sampler = PeakMemory(proc.pid) if memory else None
    out, _ = proc.communicate()
    wall = time.monotonic() - start
    if sampler:
        sampler.stop()
    if proc.returncode != 0:
        raise Failed("failed (%d): %s\n%s" % (proc.returncode, " ".join(cmd), out.decode(errors="replace")))
    return wall, sampler


STATS_COLUMNS = ["calls", "callbacks", "messages_out", "messages_in", "bytes_out", "bytes_in"]


class PhaseStats:
    """The phase lines of one or more runs, summed per side and phase in the order first seen."""

    def __init__(self):
        self.rows = collections.OrderedDict()
        self.wall = 0.0
        self.runs = 0

    def add(self, path, wall):
        self.wall += wall
        self.runs += 1
        with open(path, encoding="utf-8") as f:
            for line in f:
                fields = line.rstrip("\n").split("\t")
                if len(fields) != 3 + len(STATS_COLUMNS):
                    raise SystemExit("unexpected phase line in %s: %r" % (path, line))
                key = (fields[0], fields[1])
                row = self.rows.setdefault(key, [0.0] + [0] * len(STATS_COLUMNS))
                row[0] += float(fields[2])
                for i, value in enumerate(fields[3:]):
                    row[i + 1] += int(value)

    def merge(self, other):
        self.wall += other.wall
        self.runs += other.runs
        for key, row in other.rows.items():
            mine = self.rows.setdefault(key, [0.0] + [0] * len(STATS_COLUMNS))
            for i, value in enumerate(row):
                mine[i] += value

    def print(self, title):
        print()
        print("%s (%d run%s, %.2f s in all)" % (title, self.runs, "" if self.runs == 1 else "s", self.wall))
        print()
        print("| where | phase | ms | calls | callbacks | messages out | messages in | bytes out | bytes in |")
        print("|---|---|---|---|---|---|---|---|---|")
        ours_ms = 0.0
        totals = [0] * len(STATS_COLUMNS)
        for (side, phase), row in self.rows.items():
            where = "ours" if side == "vane" else "in the office"
            print("| %s | %s | %.1f | %s |" % (where, phase, row[0], " | ".join(str(v) for v in row[1:])))
            if side == "vane":
                ours_ms += row[0]
                totals = [t + v for t, v in zip(totals, row[1:])]
        print("| ours | outside | %.1f | | | | | | |" % (self.wall * 1000.0 - ours_ms))
        print("| ours | whole command | %.1f | %s |" % (self.wall * 1000.0, " | ".join(str(v) for v in totals)),
              flush=True)


class Runner:
    def __init__(self, vane, printer, work, env):
        self.vane, self.printer, self.work, self.env = vane, printer, work, env
        self.count = 0

    def measured(self, cmd, folder, stats, memory=False):
        """Runs one command of ours; with `stats` (a PhaseStats) its phase lines are added to it."""
        env = self.env
        if stats is not None:
            env = dict(self.env)
            env["VANE_PIPE_STATS"] = os.path.join(folder, "pipe.tsv")
        try:
            result = run(cmd, env, memory)
        except Failed:
            if not queue_exists(self.printer):
                raise SystemExit("the print queue %s is gone (removed while the benchmark ran)" % self.printer)
            raise
        if stats is not None:
            stats.add(env["VANE_PIPE_STATS"], result[0])
        return result

    def scratch(self, doc):
        """A fresh folder with a copy of the document (our commands write beside it)."""
        self.count += 1
        folder = os.path.join(self.work, "r%d" % self.count)
        os.makedirs(folder)
        copy = os.path.join(folder, os.path.basename(doc))
        shutil.copyfile(doc, copy)
        return folder, copy

    def d2p(self, doc, memory=False, stats=None):
        folder, copy = self.scratch(doc)
        try:
            return self.measured([self.vane, "-language", "ENGLISH", "d2p", "-s", "-p", self.printer,
                                  "-o", os.path.join(folder, "out.pdf"), copy], folder, stats, memory)
        finally:
            shutil.rmtree(folder, ignore_errors=True)

    def d2h(self, doc, stats=None):
        folder, copy = self.scratch(doc)
        try:
            return self.measured([self.vane, "-language", "ENGLISH", "d2h", "-s", "-o", os.path.join(folder, "site"),
                                  copy], folder, stats)
        finally:
            shutil.rmtree(folder, ignore_errors=True)

    def office(self, doc, kind):
        """The office's own conversion with a fresh profile, as each of our runs has."""
        folder, copy = self.scratch(doc)
        profile = os.path.join(folder, "profile")
        try:
            return run(["soffice", "-env:UserInstallation=file://" + profile, "--headless", "--norestore",
                        "--nolockcheck", "--convert-to", kind, "--outdir", os.path.join(folder, "out"), copy],
                       self.env)
        finally:
            shutil.rmtree(folder, ignore_errors=True)


def median_of(runs, fn):
    return statistics.median(fn()[0] for _ in range(runs))


def measured_median(runs, fn):
    """The median wall time of `runs` runs of fn(stats); the phases of the last run."""
    walls = []
    for _ in range(runs):
        stats = PhaseStats()
        walls.append(fn(stats)[0])
    return statistics.median(walls), stats


def queue_exists(name):
    return subprocess.run(["lpstat", "-p", name], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def printer_queue(vane, name, env):
    """The queue to print to: `name`, which must exist, or one installed for this run (second value True)."""
    scheduler = subprocess.run(["lpstat", "-r"], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env)
    if b"scheduler is running" not in scheduler.stdout:
        raise SystemExit("the CUPS scheduler is not running: start it with `bash tests/printer/start-cupsd.sh` (root)")
    if name:
        if not queue_exists(name):
            raise SystemExit("the print queue %s does not exist: install it with `vane install_printer -p %s -d "
                             "'Generic PostScript Printer'`, or leave out --printer and the benchmark installs "
                             "its own" % (name, name))
        return name, False
    name = "FolivaneBench_%d" % os.getpid()
    install = subprocess.run([vane, "install_printer", "-p", name, "-d", "Generic PostScript Printer"],
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env)
    if install.returncode != 0 or not queue_exists(name):
        raise SystemExit("cannot install the print queue %s:\n%s" % (name, install.stdout.decode(errors="replace")))
    return name, True


def row(name, ours, theirs, target):
    ratio = ours / theirs if theirs else float("inf")
    mark = "" if target is None else (" (target <= %.1f: %s)" % (target, "met" if ratio <= target else "NOT met"))
    print("| %s | %.2f | %.2f | %.2f%s |" % (name, ours, theirs, ratio, mark), flush=True)
    return ratio


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--vane", required=True)
    parser.add_argument("--printer", help="an existing queue (default: one installed for this run)")
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
    vane = os.path.abspath(args.vane)
    installed = False
    try:
        printer, installed = printer_queue(vane, args.printer, env)
        print("print queue: %s%s" % (printer, " (installed for this run)" if installed else ""))
        r = Runner(vane, printer, work, env)
        with open("/proc/loadavg") as f:
            print("load before: %s" % " ".join(f.read().split()[:3]))
        print()
        print("| series | ours (s) | office (s) | ratio |")
        print("|---|---|---|---|")
        bench = os.path.abspath(args.bench)
        tables = []
        d2p_155, stats = measured_median(args.runs, lambda s: r.d2p(bench, stats=s))
        tables.append(("d2p, 155 pages, phases of the last run", stats))
        row("155 pages, PDF (median of %d)" % args.runs, d2p_155,
            median_of(args.runs, lambda: r.office(bench, "pdf")), 1.5)
        d2h_155, stats = measured_median(args.runs, lambda s: r.d2h(bench, stats=s))
        tables.append(("d2h, 155 pages, phases of the last run", stats))
        row("155 pages, HTML (median of %d)" % args.runs, d2h_155,
            median_of(args.runs, lambda: r.office(bench, "html")), 1.5)
        memory = None
        if args.bench620:
            stats = PhaseStats()
            wall, memory = r.d2p(os.path.abspath(args.bench620), memory=True, stats=stats)
            tables.append(("d2p, 620 pages, phases", stats))
            row("620 pages, PDF (one run)", wall, r.office(os.path.abspath(args.bench620), "pdf")[0], None)
            print("| 620 pages against 155 pages, d2p | %.2f | %.2f | %.2f (target <= 4.5) |" % (wall, d2p_155,
                                                                                            wall / d2p_155))
        if not args.no_corpus:
            docs = corpus_documents(args.corpus)
            sums = {"d2p": 0.0, "pdf": 0.0, "d2h": 0.0, "html": 0.0}
            corpus_d2p, corpus_d2h = PhaseStats(), PhaseStats()
            failed = []
            for doc in docs:
                # A document that one of the four commands fails on stays out of every sum.
                d2p_stats, d2h_stats = PhaseStats(), PhaseStats()
                try:
                    walls = {"d2p": r.d2p(doc, stats=d2p_stats)[0], "pdf": r.office(doc, "pdf")[0],
                             "d2h": r.d2h(doc, stats=d2h_stats)[0], "html": r.office(doc, "html")[0]}
                except Failed as failure:
                    failed.append((os.path.basename(doc), str(failure).splitlines()[0]))
                    continue
                for key, wall in walls.items():
                    sums[key] += wall
                corpus_d2p.merge(d2p_stats)
                corpus_d2h.merge(d2h_stats)
            counted = len(docs) - len(failed)
            row("public corpus (%d documents), PDF, sum" % counted, sums["d2p"], sums["pdf"], 2.0)
            row("public corpus (%d documents), HTML, sum" % counted, sums["d2h"], sums["html"], 2.0)
            for name, why in failed:
                print("left out of the corpus sums: %s: %s" % (name, why))
            tables.append(("d2p, public corpus, phases summed over the documents", corpus_d2p))
            tables.append(("d2h, public corpus, phases summed over the documents", corpus_d2h))
        for title, stats in tables:
            stats.print(title)
        if memory:
            print()
            print("peak resident memory during the 620-page d2p: ours %.0f MB (target < 100 MB), the office %.0f MB"
                  % (memory.ours / 1024.0, memory.office / 1024.0))
        with open("/proc/loadavg") as f:
            print("load after: %s" % " ".join(f.read().split()[:3]))
    except Failed as failure:
        raise SystemExit(str(failure))
    finally:
        if installed:
            subprocess.run([vane, "uninstall_printer", "-p", printer], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, env=env)
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
