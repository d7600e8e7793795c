#!/usr/bin/env bash
# Screenshots of the Win32 dialog templates (102, 129, 131, 132) in English
# and French, shown by vane_dialog_preview under Wine on a virtual X display,
# and of the running vanedesk.exe in both languages: its main dialog after
# the window-menu item About has printed the library's banner into the log,
# and the Parameters dialog that its Settings button opens.
#   scripts/windows-dialog-shots.sh [build-dir]   (default: build/windows, built by windows-test.sh)
# Writes <build-dir>/screenshots/dialog_<id>_<en|fr>.png, vanedesk_<en|fr>.png and
# vanedesk_settings_<en|fr>.png.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}
cmake --build "$build" --target vane_dialog_preview vanedesk vanecore >/dev/null
export WINEPREFIX=$PWD/$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
out=$PWD/$build/screenshots
mkdir -p "$out"
cat >"$out/shots.sh" <<SHOTS
cd "$PWD/$build/bin"
for id in 102 129 131 132; do
  for language in 1033:en 1036:fr; do
    wine ./vane_dialog_preview.exe \$id \${language%%:*} "Z:$out/dialog_\${id}_\${language##*:}.bmp" </dev/null >/dev/null 2>&1 \
      || echo "template \$id \${language##*:}: failed"
  done
done
for language in ENGLISH:en FRENCH:fr; do
  wine ./vanedesk.exe -language \${language%%:*} 'C:\\Docs\\report.doc' </dev/null >/dev/null 2>&1 &
  wine ./vane_dialog_preview.exe --window Folivane "Z:$out/vanedesk_\${language##*:}.bmp" --about \
    --settings "Z:$out/vanedesk_settings_\${language##*:}.bmp" </dev/null >/dev/null 2>&1 \
    || echo "vanedesk \${language##*:}: failed"
  wait
done
wineserver -k </dev/null >/dev/null 2>&1 || true
SHOTS
xvfb-run -a -s "-screen 0 1024x768x24" sh "$out/shots.sh"
python3 - "$out"/*.bmp <<'PY'
import struct, sys, zlib
for src in sys.argv[1:]:
    data = open(src, 'rb').read()
    offset = struct.unpack_from('<I', data, 10)[0]
    width, height = struct.unpack_from('<ii', data, 18)
    stride = ((width * 3 + 3) // 4) * 4
    rows = []
    for y in range(height - 1, -1, -1):
        bgr = data[offset + y * stride: offset + y * stride + width * 3]
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(b'\0' + bytes(rgb))
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body) & 0xffffffff)
    png = (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
           + chunk(b'IDAT', zlib.compress(b''.join(rows))) + chunk(b'IEND', b''))
    open(src[:-4] + '.png', 'wb').write(png)
PY
rm -f "$out"/*.bmp "$out/shots.sh"
ls "$out"
