#!/bin/sh
# Site maker of the browser test for a real document:
#   publish_guide.sh <document> <site directory>
# publishes the document with "vane d2h" (the program named by $VANE_EXE).
set -u
document=$1 site=$2
work=$(dirname "$site")
copy="$work/folivane-guide.docx"
cp "$document" "$copy" || exit 1
# A runtime directory of its own: other runs' instance locks stay out of the way.
XDG_RUNTIME_DIR="$work" "$VANE_EXE" d2h -s -e -o "$site" "$copy" > "$work/publish.log" 2>&1
out=$(cat "$work/publish.log")
[ -f "$site/index.html" ] || { echo "$out"; exit 1; }
rm -f "$copy"
