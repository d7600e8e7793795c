#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz") and runs each for a number of
# seconds on its corpus in tests/fuzz/corpus/<target>; fails when any target
# finds a crash, a sanitizer report, a time-out or runs out of memory.
#
#   scripts/fuzz.sh [-m] [seconds] [target...]
#     seconds  per target (default 30)
#     target   fuzz_html_split fuzz_options fuzz_pdfmark_text fuzz_settings
#              fuzz_html_filter (default: all that were built)
#     -m       merge the inputs a run found into the corpus (minimised)
#
# Inputs that fail are kept as build/fuzz/artifacts/<target>-crash-*,
# -timeout-*, -oom-* (replay: build/fuzz/tests/fuzz/<target> <file>).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

merge=0
if [[ "${1:-}" == "-m" ]]; then
    merge=1
    shift
fi
seconds="${1:-30}"
[[ $# -gt 0 ]] && shift
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [[ "$seconds" -eq 0 ]]; then
    echo "fuzz.sh: seconds must be a positive number, not '$seconds'" >&2
    exit 2
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target vane_fuzzers -j "$(nproc)"

bin="$root/build/fuzz/tests/fuzz"
artifacts="$root/build/fuzz/artifacts"
mkdir -p "$artifacts"
if [[ $# -gt 0 ]]; then
    targets=("$@")
else
    targets=()
    for name in fuzz_html_split fuzz_options fuzz_pdfmark_text fuzz_settings fuzz_html_filter; do
        [[ -x "$bin/$name" ]] && targets+=("$name")
    done
fi

# The targets write their files under TMPDIR: a memory file system is many
# times faster than a disk for the splitter and the settings.
if [[ -z "${TMPDIR:-}" && -d /dev/shm && -w /dev/shm ]]; then
    export TMPDIR=/dev/shm
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=()
summary=()
for target in "${targets[@]}"; do
    if [[ ! -x "$bin/$target" ]]; then
        echo "fuzz.sh: no fuzz target $target" >&2
        failed+=("$target")
        continue
    fi
    corpus="$root/tests/fuzz/corpus/$target"
    mkdir -p "$corpus" "$work/$target"
    log="$work/$target.log"
    echo "== $target: ${seconds}s"
    # New inputs go to the scratch directory first; the kept corpus is only read.
    status=0
    "$bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$work/$target" "$corpus" >"$log" 2>&1 || status=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [[ $status -ne 0 ]] || grep -qE '^==[0-9]+==ERROR|runtime error:|invariant broken' "$log"; then
        tail -n 60 "$log"
        echo "== $target: FAILED (exit $status) after ${execs:-?} executions"
        failed+=("$target")
        summary+=("$(printf '%-20s FAILED  %12s executions' "$target" "${execs:-?}")")
        continue
    fi
    summary+=("$(printf '%-20s ok      %12s executions' "$target" "${execs:-?}")")
    if [[ $merge -eq 1 ]]; then
        "$bin/$target" -merge=1 -rss_limit_mb=2048 "$corpus" "$work/$target" >>"$log" 2>&1
    fi
done

echo "== fuzz summary (${seconds}s per target)"
printf '%s\n' "${summary[@]}"
if [[ ${#failed[@]} -gt 0 ]]; then
    echo "fuzz.sh: failed: ${failed[*]}" >&2
    exit 1
fi
