#!/usr/bin/env python3
"""Times `vane d2p` against the office's own PDF export of the same document, in one run.

    python3 tools/bench/bench_d2p.py --vane build/release-bench/tools/vane/vane \
        --doc build/bench-doc/bench.docx [--runs 3] [--printer Folivane] [--profile]

Each conversion runs --runs times, interleaved; the medians are compared. Three series:
  d2p             vane d2p (starts its own office with a fresh private profile)
  office          soffice --headless --convert-to pdf with a profile warmed up beforehand
  office-fresh    the same with a new profile every time, as d2p has
Wall time is what counts; the processor time (user + system of the whole process tree, as
far as its processes are waited for) shows how much of the wall time was waiting for a
busy machine. With --profile, or when d2p takes more than 1.5 times the office's export,
one more d2p run with -v stamps every progress message and prints where the time went.
"""

import argparse
import os
import re
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import pdf_counts  # noqa: E402

TARGET_RATIO = 1.5

# Progress messages (English catalogue) that open each phase of a verbose d2p run, in order.
PHASES = [
    ("office start", "Start MS WinWord"),
    ("open", "Open document"),
    ("prepare (revisions, printer, view)", "Remove revison marks"),
    ("page setup, styles, repaginate", "Initialize document"),
    ("page walk", "Get page positions"),
    ("title, count", "Document Title"),
    ("title, count", "*** Warning: No document title"),
    ("heading walk", "Extracting bookmarks"),
    ("link walk: table of contents", "Extract links from table of contents"),
    ("link walk: body hyperlinks", "Get links from document"),
    ("link walk: text boxes", "Get links from shapes"),
    ("link walk: footnotes", "Get links from footnotes"),
    ("link walk: headers and footers", "Get links from headers and footers"),
    ("destinations", "Get internal and Toc link destinations"),
    ("mark file", "Adding bookmarks"),
    ("mark file", "Adding links"),
    ("print (office export + PostScript)", "Printing to postscript printer"),
    ("close, restore printer, quit office", "Closing document"),
    ("PDF producer (gs)", "Creating PDF file"),
    ("end", "Process terminated"),
]


def run_timed(cmd):
    """Runs cmd; returns (wall seconds, processor seconds of its waited-for process tree).
    A d2p refused because another process converts (instance lock) is run again later."""
    for _ in range(60):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.monotonic()
        done = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        wall = time.monotonic() - start
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
        if b"Multiple instances not supported" not in done.stdout:
            break
        time.sleep(5)
    if done.returncode != 0:
        sys.stderr.write(done.stdout.decode(errors="replace"))
        raise SystemExit("failed (%d): %s" % (done.returncode, " ".join(cmd)))
    return wall, cpu


def office_cmd(profile, doc, outdir):
    return ["soffice", "-env:UserInstallation=file://" + profile, "--headless", "--norestore", "--nolockcheck",
            "--convert-to", "pdf", "--outdir", outdir, doc]


def load():
    with open("/proc/loadavg") as f:
        return f.read().split()[:3]


def profile_d2p(vane, doc, printer, work):
    """One verbose d2p run; every progress message stamped as it arrives."""
    pdf = os.path.join(work, "profile.pdf")
    cmd = [vane, "-language", "ENGLISH", "d2p", "-v", "-p", printer, "-o", pdf, doc]  # the phases match English
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    start = time.monotonic()
    stamped = [[0.0, ""]]  # [seconds, message text]
    while True:
        chunk = os.read(proc.stdout.fileno(), 65536)
        now = time.monotonic() - start
        if not chunk:
            break
        # the host writes each message, leading line end included, with one write and a flush
        pieces = chunk.decode(errors="replace").split("\n")
        stamped[-1][1] += pieces[0]
        stamped += [[now, piece] for piece in pieces[1:]]
    proc.wait()
    total = time.monotonic() - start
    if proc.returncode != 0:
        raise SystemExit("verbose d2p failed:\n" + "\n".join(s[1] for s in stamped))
    messages = [(t, line.strip()) for t, line in stamped if line.strip()]
    links = sum(1 for _, m in messages if re.match(r"Link \d+: Type=", m))
    marks = []
    for rank, (name, prefix) in enumerate(PHASES):
        for t, m in messages:
            if m.startswith(prefix):
                marks.append((t, rank, name))
                break
    marks.sort()  # messages read in one piece share a time: then the pipeline order decides
    phases = {}
    order = []
    for i, (t, _, name) in enumerate(marks):
        if name == "end":
            continue
        end = marks[i + 1][0] if i + 1 < len(marks) else total
        if name not in phases:
            order.append(name)
            phases[name] = 0.0
        phases[name] += end - t
    first = marks[0][0] if marks else 0.0
    return total, first, [(n, phases[n]) for n in order], links


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--vane", required=True)
    parser.add_argument("--doc", required=True)
    parser.add_argument("--printer", default="Folivane")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--profile", action="store_true", help="always profile one d2p run")
    parser.add_argument("--no-fresh", action="store_true", help="skip the office-fresh series")
    args = parser.parse_args()
    vane, doc = os.path.abspath(args.vane), os.path.abspath(args.doc)
    work = tempfile.mkdtemp(prefix="fv-bench-")
    try:
        warm = os.path.join(work, "warm-profile")
        print("document: %s" % doc)
        print("load before: %s (uptime: %s)" % (" ".join(load()),
                                                subprocess.run(["uptime"], stdout=subprocess.PIPE,
                                                               text=True).stdout.strip()))
        run_timed(office_cmd(warm, doc, os.path.join(work, "warmup")))  # creates the warm profile
        series = {"d2p": [], "office": [], "office-fresh": []}
        for i in range(args.runs):
            pdf = os.path.join(work, "d2p-%d.pdf" % i)
            d2p = [vane, "-language", "ENGLISH", "d2p", "-s", "-p", args.printer, "-o", pdf, doc]
            series["d2p"].append(run_timed(d2p))
            outdir = os.path.join(work, "office-%d" % i)
            series["office"].append(run_timed(office_cmd(warm, doc, outdir)))
            if not args.no_fresh:
                fresh = os.path.join(work, "fresh-%d" % i)
                series["office-fresh"].append(run_timed(office_cmd(fresh, doc, os.path.join(work, "of-%d" % i))))
                shutil.rmtree(fresh, ignore_errors=True)
            print("run %d: d2p %.2f s, office %.2f s%s" % (
                i + 1, series["d2p"][-1][0], series["office"][-1][0],
                "" if args.no_fresh else ", office-fresh %.2f s" % series["office-fresh"][-1][0]), flush=True)
        print("load after: %s" % " ".join(load()))

        ours = pdf_counts.counts(os.path.join(work, "d2p-0.pdf"))
        theirs = pdf_counts.counts(os.path.join(work, "office-0", os.path.splitext(os.path.basename(doc))[0] + ".pdf"))
        print()
        print("| | pages | outline | internal links | URL links |")
        print("|---|---|---|---|---|")
        for name, c in (("d2p", ours), ("office export", theirs)):
            print("| %s | %d | %d | %d | %d |" % (name, c["pages"], c["outline"], c["internal"], c["url"]))
        print()
        print("| series | runs | wall (s), each | median wall (s) | median CPU (s) |")
        print("|---|---|---|---|---|")
        med = {}
        for name, runs in series.items():
            if not runs:
                continue
            med[name] = (statistics.median(w for w, _ in runs), statistics.median(c for _, c in runs))
            print("| %s | %d | %s | %.2f | %.2f |" % (name, len(runs), " ".join("%.2f" % w for w, _ in runs),
                                                   med[name][0], med[name][1]))
        ratio = med["d2p"][0] / med["office"][0]
        print()
        print("ratio d2p / office (wall, median): %.2f (target <= %.1f): %s"
              % (ratio, TARGET_RATIO, "met" if ratio <= TARGET_RATIO else "NOT met"))
        if "office-fresh" in med:
            print("ratio d2p / office-fresh (wall, median): %.2f" % (med["d2p"][0] / med["office-fresh"][0]))
        print("ratio d2p / office (CPU, median): %.2f" % (med["d2p"][1] / med["office"][1]))

        if args.profile or ratio > TARGET_RATIO:
            total, first, phases, links = profile_d2p(vane, doc, args.printer, work)
            print()
            print("Where d2p spends its time (one verbose run, %.2f s, %d link messages; load %s):"
                  % (total, links, " ".join(load())))
            print()
            print("| phase | seconds | share |")
            print("|---|---|---|")
            print("| before the office starts (options, producer, copy) | %.2f | %.0f%% |" % (first, 100 * first / total))
            for name, secs in phases:
                print("| %s | %.2f | %.0f%% |" % (name, secs, 100 * secs / total))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
