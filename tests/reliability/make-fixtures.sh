#!/usr/bin/env bash
# Remakes the fixtures in tests/data/reliability (committed; run by hand):
#   password.doc        a .doc saved by the office with the password "secret"
#                       (a Basic macro in a throw-away profile; the office
#                       cannot write an encrypted .docx from a macro in 7.4)
#   long-heading.docx   a document whose second heading has 10,000 characters
#   not-a-document.zip  a zip archive of two text files
#   picture.png         a 16 x 16 PNG image
# Usage: make-fixtures.sh [output folder]. Needs soffice, pandoc and python3.
set -euo pipefail
out=$(cd "${1:-$(dirname "$0")/../data/reliability}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$out" "$work" <<'PY'
import struct, sys, zipfile, zlib
out, work = sys.argv[1], sys.argv[2]
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
rows = b"".join(b"\0" + b"".join(bytes([x * 16, y * 16, 128]) for x in range(16)) for y in range(16))
with open(f"{out}/picture.png", "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 16, 16, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
with zipfile.ZipFile(f"{out}/not-a-document.zip", "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("readme.txt", "This archive holds no word-processor document.\n")
    z.writestr("data/numbers.csv", "1,2,3\n4,5,6\n")
words, size, i = [], 0, 0
while size < 10000:
    words.append(f"word{i}")
    size += len(words[-1]) + 1
    i += 1
heading = " ".join(words)[:10000].rstrip()
with open(f"{work}/long.md", "w") as f:
    f.write(f"# Introduction\n\nFirst page text.\n\n# {heading}\n\nText under the long heading.\n\n"
            "## Short child\n\nMore text, see <https://example.org/>.\n")
with open(f"{work}/plain.md", "w") as f:
    f.write("# Secret heading\n\nBody text.\n")
PY
pandoc -o "$out/long-heading.docx" "$work/long.md"
pandoc -o "$work/plain.docx" "$work/plain.md"

# First start makes the profile; then the macro goes into its Standard library.
profile="$work/profile"
soffice -env:UserInstallation=file://"$profile" --headless --terminate_after_init >/dev/null 2>&1 || true
mkdir -p "$profile/user/basic/Standard"
cat > "$profile/user/basic/Standard/Module1.xba" <<'XBA'
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE script:module PUBLIC "-//OpenOffice.org//DTD OfficeDocument 1.0//EN" "module.dtd">
<script:module xmlns:script="http://openoffice.org/2000/script" script:name="Module1" script:language="StarBasic">
Sub Encrypt(src As String, dst As String)
  On Error Goto Failed
  Dim a(0) As New com.sun.star.beans.PropertyValue
  a(0).Name = &quot;Hidden&quot; : a(0).Value = True
  doc = StarDesktop.loadComponentFromURL(ConvertToURL(src), &quot;_blank&quot;, 0, a())
  Dim s(1) As New com.sun.star.beans.PropertyValue
  s(0).Name = &quot;FilterName&quot; : s(0).Value = &quot;MS Word 97&quot;
  s(1).Name = &quot;Password&quot; : s(1).Value = &quot;secret&quot;
  doc.storeToURL(ConvertToURL(dst), s())
  doc.close(True)
Failed:
  StarDesktop.terminate()
End Sub
</script:module>
XBA
timeout -s KILL 120 soffice -env:UserInstallation=file://"$profile" --headless \
    "macro:///Standard.Module1.Encrypt(\"$work/plain.docx\",\"$out/password.doc\")" >/dev/null 2>&1
file "$out/password.doc"
