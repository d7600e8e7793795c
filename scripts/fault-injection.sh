#!/usr/bin/env bash
# Fault injection against the real office (a short round runs in CI through
# tests/reliability/fault-round.sh).
#
# Runs `vane d2h` and `vane d2p` over short corpus documents, and in each run
# injects one fault at a random moment:
#   kill      SIGKILL (sometimes SIGTERM) to that run's soffice.bin, found by the
#             run's private profile path under the run's TMPDIR
#   readonly  the output directory becomes unwritable: `chattr +i` on it (the
#             script runs as root, so chmod would not stop writes)
#   fill      the output lies on a tmpfs of a few MB, filled with dd
#   killwalk  SIGKILL/SIGTERM to soffice.bin while the word-processor phase
#             runs inside the office: the moment is counted from the phase's
#             first message that reaches a quiet run (d2p: "Extracting ...",
#             the outline and link walk; d2h: "Saving document as html"),
#             not from the start
#   failproducer (d2p) the producer fails: `-c` names a Ghostscript folder whose
#             gs exits 1 after half a second, when the office has been asked
#             to end; the run must fail with the office reaped and the printed
#             PDF in the run's TMPDIR gone
# After every run it checks: exit 0 with a complete output, or exit 1 with
# "*** Process terminated with error ***" (never a signal, never another code);
# the document is byte-identical; no process of the run, office profile or
# office temporary, working copy, mark file, printed file, print intermediate,
# filter program, office lock file or printed PDF is left behind. Files an unwritable output
# directory kept (the command cannot remove them) are listed, not counted.
# Each run has its own TMPDIR and XDG_RUNTIME_DIR under /tmp/vane-faults.
#
#   fault-injection.sh [--minutes M] [--runs N] [--docs D] [--seed S] [--keep]
#   (--docs D: only the first D documents of the list, for a short round)
#   fault-injection.sh --repro CMD:DOC:FAULT:DELAY   (one run, e.g. d2p:pandoc__headers.docx:kill:3.2)
#
# Needs root (tmpfs mounts, chattr), a running cupsd, and a build with vane and
# the office backend: $VANE_FAULT_BUILD, else a release build in build/faults
# (built when missing). The corpus is read from $VANE_SHARED_DIR (else ../shared).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${VANE_FAULT_BUILD:-$root/build/faults}
vane=$build/tools/vane/vane

if [ "$(id -u)" != 0 ]; then
    echo "fault-injection.sh: needs root (tmpfs mounts and chattr)" >&2
    exit 2
fi
if [ ! -x "$vane" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build "$build" --target vane vane_office
fi
lpstat -r 2>/dev/null | grep -q "scheduler is running" || { echo "fault-injection.sh: cupsd is not running" >&2; exit 2; }

printer=FaultTest_$$  # one queue per round: rounds may overlap
"$vane" -language ENGLISH install_printer -p "$printer" -d "Generic PostScript Printer" >/dev/null
trap '"$vane" -language ENGLISH uninstall_printer -p "$printer" >/dev/null 2>&1 || true' EXIT

export FI_VANE=$vane FI_PRINTER=$printer FI_ROOT=$root
export FI_SHARED=${VANE_SHARED_DIR:-$root/../shared}
python3 - "$@" <<'PY'
import argparse, hashlib, json, os, random, re, shutil, signal, subprocess, sys, time

ap = argparse.ArgumentParser(prog="fault-injection.sh")
ap.add_argument("--minutes", type=float, default=20.0)
ap.add_argument("--runs", type=int, default=0, help="stop after this many runs with an injected fault (0: time only)")
ap.add_argument("--docs", type=int, default=0, help="use only the first D documents (0: all)")
ap.add_argument("--seed", type=int, default=int(time.time()))
ap.add_argument("--keep", action="store_true", help="keep the run folders of violating runs")
ap.add_argument("--repro", default="", help="CMD:DOC:FAULT:DELAY")
args = ap.parse_args()

VANE = os.environ["FI_VANE"]
PRINTER = os.environ["FI_PRINTER"]
ROOT = os.environ["FI_ROOT"]
CORPUS = os.path.join(os.environ["FI_SHARED"], "corpus", "public")
# The first three are short and of three kinds (headings, a .doc, nested
# hyperlinks): the documents of a short round (--docs 3).
DOCS = [
    f"{CORPUS}/pandoc__headers.docx",
    f"{CORPUS}/textract__raw_text.doc",
    f"{CORPUS}/oxsdk__hyperlink-complex.docx",
    f"{ROOT}/samples/folivane-guide.docx",
    f"{CORPUS}/aspose__Table_of_contents.docx",
    f"{CORPUS}/d2p__zen_of_python.docx",
    f"{CORPUS}/mammoth__footnote-hyperlink.docx",
    f"{CORPUS}/docx4j__hyperlinks-internal.docx",
    f"{CORPUS}/oxsdk__Orientation-landscape.docx",
    f"{CORPUS}/tika__testWORD_header_hyperlink.doc",
]
DOCS = [d for d in DOCS if os.path.isfile(d)]
if args.docs > 0:
    DOCS = DOCS[:args.docs]
if not DOCS:
    sys.exit(f"no documents found (corpus: {CORPUS})")
FAULTS = ["kill", "readonly", "fill", "killwalk", "failproducer"]
# The first message of the phase inside the office that a quiet run prints.
WALK_MARKS = {"d2p": "Extracting", "d2h": "Saving document as html"}
TMPFS_MB = 8
TIMEOUT_S = 180
GRACE_S = 3.0
ERROR_LINE = "*** Process terminated with error ***"
BASE = "/tmp/vane-faults"
RESULTS = os.path.join(BASE, "results")

os.makedirs(RESULTS, exist_ok=True)
rng = random.Random(args.seed)
log_path = os.path.join(RESULTS, f"runs-{args.seed}.jsonl")


def sha256(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def sh(*cmd, check=True):
    return subprocess.run(cmd, check=check, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def run_processes(tmpdir):
    """Processes whose environment or command line names this run's TMPDIR."""
    found = []
    needle_env = ("TMPDIR=" + tmpdir).encode() + b"\0"
    needle_cmd = tmpdir.encode()
    for pid in os.listdir("/proc"):
        if not pid.isdigit() or int(pid) == os.getpid():
            continue
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                cmd = f.read()
            try:
                with open(f"/proc/{pid}/environ", "rb") as f:
                    envb = f.read() + b"\0"
            except OSError:
                envb = b""
            with open(f"/proc/{pid}/stat") as f:
                state = f.read().rsplit(")", 1)[1].split()[0]
        except OSError:
            continue
        if state == "Z":
            continue
        if needle_cmd in cmd or needle_env in (b"\0" + envb).replace(b"\0\0", b"\0"):
            found.append((int(pid), cmd.replace(b"\0", b" ").decode(errors="replace").strip()[:160]))
    return found


def office_pids(tmpdir):
    return [pid for pid, cmd in run_processes(tmpdir)
            if "soffice.bin" in cmd.split(" ")[0] and tmpdir + "/vane-office-" in cmd]


def listing(path):
    out = []
    for dirpath, dirnames, filenames in os.walk(path):
        for name in dirnames + filenames:
            out.append(os.path.relpath(os.path.join(dirpath, name), path))
    return sorted(out)


def prepare(run_dir, doc):
    for sub in ("tmp", "xdg", "doc", "mnt"):
        os.makedirs(os.path.join(run_dir, sub), exist_ok=True)
    os.chmod(os.path.join(run_dir, "xdg"), 0o700)
    sh("mount", "-t", "tmpfs", "-o", f"size={TMPFS_MB}m,mode=0755", "tmpfs", os.path.join(run_dir, "mnt"))
    os.makedirs(os.path.join(run_dir, "mnt", "out"))
    user_doc = os.path.join(run_dir, "doc", os.path.basename(doc))
    shutil.copyfile(doc, user_doc)
    os.chmod(user_doc, 0o644)
    return user_doc


def teardown(run_dir, keep):
    sh("chattr", "-i", os.path.join(run_dir, "mnt", "out"), check=False)
    if keep:
        saved = os.path.join(run_dir, "mnt-copy")
        shutil.copytree(os.path.join(run_dir, "mnt"), saved, dirs_exist_ok=True)
    sh("umount", os.path.join(run_dir, "mnt"), check=False)
    if not keep:
        shutil.rmtree(run_dir, ignore_errors=True)


def command_line(cmd, user_doc, out_dir, producer=None):
    base = os.path.splitext(os.path.basename(user_doc))[0]
    if cmd == "d2h":
        return [VANE, "-language", "ENGLISH", "d2h", "-o", out_dir, user_doc]
    extra = ["-c", producer] if producer else []
    return [VANE, "-language", "ENGLISH", "d2p", "-p", PRINTER] + extra + [
        "-o", os.path.join(out_dir, base + ".pdf"), user_doc]


def failing_producer(run_dir):
    """A Ghostscript folder whose gs fails after a moment (the office is ending meanwhile)."""
    folder = os.path.join(run_dir, "gs")
    os.makedirs(os.path.join(folder, "bin"))
    gs = os.path.join(folder, "bin", "gs")
    with open(gs, "w") as f:
        f.write("#!/bin/sh\nsleep 0.5\nexit 1\n")
    os.chmod(gs, 0o755)
    return folder


def inject(fault, run_dir, tmpdir, detail):
    """Injects the fault; returns False while it cannot yet (no office running)."""
    out_dir = os.path.join(run_dir, "mnt", "out")
    if fault in ("kill", "killwalk"):
        pids = office_pids(tmpdir)
        if not pids:
            return False
        sig = signal.SIGTERM if detail.get("signal") == "TERM" else signal.SIGKILL
        for pid in pids:
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                pass
        detail["killed"] = pids
    elif fault == "readonly":
        sh("chattr", "+i", out_dir)
    elif fault == "failproducer":
        pass  # the failing producer is named on the command line
    elif fault == "fill":
        subprocess.run(["dd", "if=/dev/zero", "of=" + os.path.join(run_dir, "mnt", "filler"), "bs=64k"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return True


def output_complete(cmd, user_doc, out_dir):
    base = os.path.splitext(os.path.basename(user_doc))[0]
    problems = []
    if cmd == "d2p":
        pdf = os.path.join(out_dir, base + ".pdf")
        if not os.path.isfile(pdf) or os.path.getsize(pdf) == 0:
            return ["no PDF"]
        r = subprocess.run(["qpdf", "--check", pdf], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if r.returncode != 0:
            problems.append("qpdf --check: " + r.stdout.strip().splitlines()[-1][:200])
        r = subprocess.run(["pdfinfo", pdf], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        m = re.search(r"^Pages:\s+(\d+)", r.stdout, re.M)
        if not m or int(m.group(1)) == 0:
            problems.append("PDF without pages")
    else:
        page = os.path.join(out_dir, base + ".html")
        for need in (page, os.path.join(out_dir, "index.html"), os.path.join(out_dir, base + "_index.html")):
            if not os.path.isfile(need) or os.path.getsize(need) == 0:
                problems.append("missing " + os.path.basename(need))
        if not problems:
            text = open(page, encoding="latin-1").read()
            m = re.search(r'name="main"[^>]*src="([^"]*)"', text)
            if not m or not m.group(1) or not os.path.isfile(os.path.join(out_dir, m.group(1))):
                problems.append("frameset main page missing")
            with open(os.path.join(out_dir, "index.html"), "rb") as a, open(page, "rb") as b:
                if a.read() != b.read():
                    problems.append("index.html differs from the site page")
    return problems


def leftovers(cmd, user_doc, run_dir, failed):
    """Things of the run left behind: (kind, path) pairs."""
    found = []
    tmpdir = os.path.join(run_dir, "tmp")
    out_dir = os.path.join(run_dir, "mnt", "out")
    doc_name = os.path.basename(user_doc)
    base = os.path.splitext(doc_name)[0]
    for name in os.listdir(tmpdir):
        kind = ("profile" if name.startswith("vane-office-") else
                "printed PDF" if name.startswith("vane-printed-") else "office temporary")
        found.append((kind, "tmp/" + name))
    for name in os.listdir(os.path.dirname(user_doc)):
        if name == doc_name:
            continue
        kind = "office lock" if name.startswith(".~lock.") else "working copy" if "_fv" in name else "beside document"
        found.append((kind, "doc/" + name))
    for rel in listing(out_dir):
        name = os.path.basename(rel)
        if re.search(r"\.ps_\d+\.ps$", name):
            kind = "mark file"
        elif re.match(r"\d+_", name):
            kind = "filter program"
        elif name.startswith(".~lock."):
            kind = "office lock"
        elif re.search(r"\.(printed\.pdf|pdf\.repaired)$", name):
            kind = "print intermediate"
        elif name.endswith(".filtered"):
            kind = "filter output"
        elif cmd == "d2h" and rel == base + ".doc":
            kind = "working copy"
        elif cmd == "d2h" and rel == base + "_full.html":
            kind = "full page"
        elif cmd == "d2p" and rel == base + ".pdf":
            if not failed:
                continue  # the PDF
            kind = "printed file"
        elif cmd == "d2p":
            kind = "other output"
        else:
            continue  # the site's own files
        found.append((kind, "out/" + rel))
    return found


def one_run(index, cmd, doc, fault, delay, signame="KILL"):
    run_dir = os.path.join(BASE, f"run-{args.seed}-{index:04d}")
    shutil.rmtree(run_dir, ignore_errors=True)
    user_doc = prepare(run_dir, doc)
    tmpdir = os.path.join(run_dir, "tmp")
    out_dir = os.path.join(run_dir, "mnt", "out")
    before = sha256(user_doc)
    env = dict(os.environ, TMPDIR=tmpdir, XDG_RUNTIME_DIR=os.path.join(run_dir, "xdg"), LANG="C.UTF-8")
    env.pop("LANGUAGE", None)
    argv = command_line(cmd, user_doc, out_dir, failing_producer(run_dir) if fault == "failproducer" else None)
    detail = {"signal": signame}
    start = time.monotonic()
    with open(os.path.join(run_dir, "output.txt"), "wb") as out:
        proc = subprocess.Popen(argv, env=env, cwd=os.path.join(run_dir, "doc"), stdout=out,
                                stderr=subprocess.STDOUT, start_new_session=True)
        injected_at = None
        walk_at = None
        hung = False
        while proc.poll() is None:
            now = time.monotonic() - start
            if fault == "killwalk" and walk_at is None:
                with open(os.path.join(run_dir, "output.txt"), "rb") as seen:
                    if WALK_MARKS[cmd].encode() in seen.read():
                        walk_at = now
            due = now >= delay if fault != "killwalk" else walk_at is not None and now >= walk_at + delay
            if fault and injected_at is None and due:
                if inject(fault, run_dir, tmpdir, detail):
                    injected_at = now
            if now > TIMEOUT_S:
                hung = True
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()
                break
            time.sleep(0.05)
        rc = proc.returncode
    elapsed = time.monotonic() - start
    text = open(os.path.join(run_dir, "output.txt"), encoding="utf-8", errors="replace").read()
    at_exit = run_processes(tmpdir)
    time.sleep(GRACE_S if at_exit else 0)
    lingering = run_processes(tmpdir)
    for pid, _ in lingering:
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass

    violations = []
    failed = rc != 0
    if hung:
        violations.append(f"hang: no exit after {TIMEOUT_S} s")
    elif rc < 0:
        violations.append(f"ended by signal {-rc}")
    elif rc == 0 and fault == "failproducer":
        violations.append("exit 0 although the producer failed")
    elif rc == 0:
        violations += ["exit 0 but " + p for p in output_complete(cmd, user_doc, out_dir)]
    elif rc != 1:
        violations.append(f"exit code {rc}")
    elif ERROR_LINE not in text:
        violations.append("exit 1 without the error line")
    if sha256(user_doc) != before:
        violations.append("document changed")
    for pid, what in lingering:
        violations.append(f"process left after {GRACE_S} s: {pid} {what}")
    blocked = fault == "readonly" and injected_at is not None
    left = leftovers(cmd, user_doc, run_dir, failed)
    notes = []
    for kind, path in left:
        if blocked and path.startswith("out/"):
            notes.append(f"{kind} left in the unwritable directory: {path}")
        else:
            violations.append(f"{kind} left: {path}")

    if injected_at is None:
        outcome = "no fault (ended first)" if fault else "baseline"
    elif rc == 0:
        outcome = "clean success"
    elif rc == 1:
        outcome = "failure reported"
    else:
        outcome = "other"
    record = {
        "index": index, "cmd": cmd, "doc": os.path.basename(doc), "fault": fault,
        "signal": signame if fault in ("kill", "killwalk") else None, "delay": round(delay, 2),
        "injected_at": None if injected_at is None else round(injected_at, 2),
        "elapsed": round(elapsed, 2), "rc": rc, "outcome": outcome,
        "violations": violations, "notes": notes, "processes_at_exit": len(at_exit),
        "last_lines": text.strip().splitlines()[-4:],
        "repro": f"scripts/fault-injection.sh --repro {cmd}:{os.path.basename(doc)}:{fault}:{delay:.2f}"
                 + (":TERM" if fault in ("kill", "killwalk") and signame == "TERM" else ""),
    }
    if violations and args.keep:
        record["kept"] = run_dir
    teardown(run_dir, keep=bool(violations) and args.keep)
    with open(log_path, "a") as f:
        f.write(json.dumps(record) + "\n")
    return record


def show(r):
    mark = "VIOLATION" if r["violations"] else "ok"
    print(f"[{r['index']:3d}] {r['cmd']} {r['doc']:<40} {str(r['fault']):<8} at {r['delay']:5.2f}s "
          f"rc={r['rc']:<3} {r['elapsed']:5.1f}s {r['outcome']:<24} {mark}", flush=True)
    for v in r["violations"]:
        print("      ! " + v, flush=True)
    for n in r["notes"]:
        print("      - " + n, flush=True)


doc_by_name = {os.path.basename(d): d for d in DOCS}

if args.repro:
    parts = args.repro.split(":")
    cmd, doc, fault, delay = parts[:4]
    doc = doc_by_name.get(doc, doc if os.path.isabs(doc) else f"{CORPUS}/{doc}")
    r = one_run(0, cmd, doc, None if fault in ("", "none") else fault, float(delay),
                parts[4] if len(parts) > 4 else "KILL")
    show(r)
    sys.exit(1 if r["violations"] else 0)

print(f"seed {args.seed}; log {log_path}", flush=True)
deadline = time.monotonic() + args.minutes * 60
index = 0
# One clean run per command and document gives its duration, the span the
# fault moment is drawn from.
durations = {}
records = []
for cmd in ("d2h", "d2p"):
    for doc in DOCS:
        index += 1
        r = one_run(index, cmd, doc, None, 0.0)
        show(r)
        records.append(r)
        if r["rc"] == 0 and not r["violations"]:
            durations[(cmd, doc)] = r["elapsed"]
pairs = sorted(durations)
if not pairs:
    sys.exit("no clean baseline run: nothing to inject faults into")

# --runs counts the runs in which the fault was injected: a run that ended
# before its fault moment tested nothing.
attempts = 0
injected = 0
while time.monotonic() < deadline and (args.runs == 0 or injected < args.runs):
    fault = FAULTS[attempts % len(FAULTS)]
    d2p_pairs = [p for p in pairs if p[0] == "d2p"]
    if fault == "failproducer" and not d2p_pairs:
        fault = "kill"
    cmd, doc = rng.choice(d2p_pairs if fault == "failproducer" else pairs)
    # killwalk: a moment within the first part of the phase (the walk of a
    # short document, or d2h's save, is over within a second).
    walk_window = 0.6 if cmd == "d2p" else 0.3
    delay = (rng.uniform(0.0, walk_window) if fault == "killwalk" else 0.0 if fault == "failproducer"
             else rng.uniform(0.0, durations[(cmd, doc)] * 1.05))
    signame = "TERM" if fault in ("kill", "killwalk") and rng.random() < 0.25 else "KILL"
    index += 1
    r = one_run(index, cmd, doc, fault, delay, signame)
    show(r)
    records.append(r)
    attempts += 1
    if r["injected_at"] is not None:
        injected += 1
if args.runs and injected < args.runs:
    print(f"warning: time ran out after {injected} of {args.runs} runs with an injected fault", flush=True)

# Summary
faulted = [r for r in records if r["fault"]]
print("\n== summary ==")
print(f"baseline runs: {len(records) - len(faulted)}, fault runs: {len(faulted)}, "
      f"faults injected during a run: {sum(1 for r in faulted if r['injected_at'] is not None)}")
table = {}
for r in faulted:
    key = (r["cmd"], r["fault"] + ("/TERM" if r["signal"] == "TERM" else ""))
    table.setdefault(key, {}).setdefault(r["outcome"], 0)
    table[key][r["outcome"]] += 1
for key in sorted(table):
    print(f"  {key[0]} {key[1]:<10} " + ", ".join(f"{k}: {v}" for k, v in sorted(table[key].items())))
per_kind = {}
for r in faulted:
    if r["injected_at"] is not None:
        per_kind[r["fault"]] = per_kind.get(r["fault"], 0) + 1
print("faults injected per kind: " + ", ".join(f"{k}: {v}" for k, v in sorted(per_kind.items())))
left = sum(1 for r in records for v in r["violations"] if re.match(r"[^:]* left", v))
print(f"leftovers found: {left}")
changed = sum(1 for r in records if "document changed" in r["violations"])
bad = [r for r in records if r["violations"]]
print(f"documents changed: {changed}; runs with violations: {len(bad)}")
kinds = {}
for r in bad:
    for v in r["violations"]:
        k = re.sub(r"[:].*", "", v)
        kinds[k] = kinds.get(k, 0) + 1
for k, v in sorted(kinds.items()):
    print(f"  {v:4d}  {k}")
for r in bad:
    print(f"  {r['repro']}   # {r['violations'][0]}")
notes = sum(1 for r in records if r["notes"])
print(f"runs whose unwritable output directory kept files the command could not remove: {notes}")
sys.exit(1 if bad else 0)
PY
