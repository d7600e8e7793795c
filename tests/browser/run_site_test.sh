#!/bin/sh
# CTest driver of the browser test:
#   run_site_test.sh <site maker> <source> <work directory> <test folder> [expectations.json]
# The site maker is called as <site maker> <source> <site directory>.
# Skips (exit 77) only when Chromium or Node is missing. Installs the pinned
# playwright-core into the work directory (never a browser).
set -u
maker=$1 fixture=$2 work=$3 tests=$4 expectations=${5:-}

if [ ! -x /usr/bin/chromium ]; then echo "SKIP: /usr/bin/chromium not found"; exit 77; fi
if ! command -v node >/dev/null 2>&1; then echo "SKIP: node not found"; exit 77; fi

mkdir -p "$work" || exit 1
if ! cmp -s "$tests/package-lock.json" "$work/package-lock.json" || [ ! -d "$work/node_modules/playwright-core" ]; then
    cp "$tests/package.json" "$tests/package-lock.json" "$work/" || exit 1
    (cd "$work" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error) || exit 1
fi

rm -rf "$work/site" "$work/profile"
mkdir -p "$work/profile"
case "$maker" in *.sh) sh "$maker" "$fixture" "$work/site" ;; *) "$maker" "$fixture" "$work/site" ;; esac || exit 1
NODE_PATH="$work/node_modules" node "$tests/site_test.js" "$work/site" "$work/profile" $expectations
status=$?
rm -rf "$work/profile"
exit $status
