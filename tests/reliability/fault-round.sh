#!/usr/bin/env bash
# A short fault-injection round for CI: scripts/fault-injection.sh until ten
# runs have had a fault injected, on three documents, against the build given
# as $1 (about three minutes). Exits 77 (skipped) when the round cannot run
# here: not root, no cupsd, no tmpfs mounts, no chattr or no python3.
set -uo pipefail
build=${1:?usage: fault-round.sh <build directory>}
root=$(cd "$(dirname "$0")/../.." && pwd)

skip() { echo "fault round skipped: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "needs root (tmpfs mounts and chattr)"
command -v python3 >/dev/null || skip "python3 is missing"
command -v chattr >/dev/null || skip "chattr is missing (e2fsprogs)"
lpstat -r 2>/dev/null | grep -q "scheduler is running" || skip "cupsd is not running (tests/printer/start-cupsd.sh)"
[ -x "$build/tools/vane/vane" ] || skip "$build/tools/vane/vane is not built"
probe=$(mktemp -d)
if ! mount -t tmpfs -o size=1m tmpfs "$probe" 2>/dev/null; then
    rmdir "$probe"
    skip "cannot mount a tmpfs here"
fi
umount "$probe"
rmdir "$probe"

VANE_FAULT_BUILD=$build exec bash "$root/scripts/fault-injection.sh" --runs 10 --docs 3 --minutes 8
