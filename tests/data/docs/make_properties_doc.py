#!/usr/bin/env python3
"""Writes properties.docx: a short document (two headings) whose title, author,
subject and keywords need every kind of writing in the PDF's document information.

    python3 tests/data/docs/make_properties_doc.py [output directory]   (default: this directory)

pandoc writes the body; the core properties are then set as the word processor
stores them, keywords as one text (pandoc would join a list of its own).
"""

import os
import subprocess
import sys
import tempfile
import zipfile
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))

TITLE = "R\u00e9sum\u00e9 \u2014 \u5831\u544a (draft)"
AUTHOR = "Zo\u00eb O'Brien"
SUBJECT = "Costs (2024) \\ back\\slash"
KEYWORDS = "annual report; R&D, (draft)"

BODY = """# First heading

Some text under the first heading.

# Second heading

Some text under the second heading.
"""

CORE = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" '
        'xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" '
        'xmlns:dcmitype="http://purl.org/dc/dcmitype/" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">'
        '<dc:title>%s</dc:title><dc:subject>%s</dc:subject><dc:creator>%s</dc:creator>'
        '<cp:keywords>%s</cp:keywords><cp:lastModifiedBy>%s</cp:lastModifiedBy><cp:revision>1</cp:revision>'
        '<dcterms:created xsi:type="dcterms:W3CDTF">2024-01-02T03:04:00Z</dcterms:created>'
        '<dcterms:modified xsi:type="dcterms:W3CDTF">2024-01-02T03:04:00Z</dcterms:modified>'
        '</cp:coreProperties>') % (escape(TITLE), escape(SUBJECT), escape(AUTHOR), escape(KEYWORDS), escape(AUTHOR))


def main():
    outdir = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else HERE
    os.makedirs(outdir, exist_ok=True)
    target = os.path.join(outdir, "properties.docx")
    with tempfile.TemporaryDirectory() as work:
        source = os.path.join(work, "body.md")
        plain = os.path.join(work, "body.docx")
        with open(source, "w", encoding="utf-8") as f:
            f.write(BODY)
        subprocess.run(["pandoc", "-o", plain, source], check=True)
        with zipfile.ZipFile(plain) as src, zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as dst:
            for item in src.infolist():
                data = CORE.encode("utf-8") if item.filename == "docProps/core.xml" else src.read(item)
                info = zipfile.ZipInfo(item.filename, date_time=(2024, 1, 2, 3, 4, 0))
                info.compress_type = zipfile.ZIP_DEFLATED
                dst.writestr(info, data)
    print("%s (%d bytes)" % (target, os.path.getsize(target)))


if __name__ == "__main__":
    main()
