#!/usr/bin/env python3
"""Writes the test documents with merged table cells and a table of figures, as raw .docx XML.

    python3 tests/data/docs/make_table_docs.py [output directory]   (default: this directory)

  merged-pages   a portrait section with a table whose first column is one cell merged down
                 over 60 rows (so the second and third pages start inside it) and whose rows
                 join cells across (gridSpan), with a link and a page reference inside the
                 merged rows; then a landscape section with a second such table; a header
                 holding a table with a PAGE field and a link; a floating table with a link.
  figures        a contents list and a table of figures (TOC \\h \\z \\c "Figure"), both with
                 links to "_Toc" bookmarks, over four captions on pages of their own; the
                 third caption has no bookmark (its entry links to a name that is missing).
  style-figures  the same with a table of figures gathered from a caption style
                 (TOC \\h \\z \\t "Caption Figure" \\c), as some reports make it: captions
                 typed by hand in that style, no SEQ fields, each with its own bookmark.
"""

import os
import sys
import zipfile
from xml.sax.saxutils import escape

from docx_parts import (FILLER, ROOT_RELS, W, bookmark, content_types, document_rels, field, para, run,
                        styles)

CONTENT_TYPES = content_types(("header1.xml", "header"))
DOC_RELS = document_rels(("header", "header1.xml"), extra=(
    '<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink" '
    'Target="https://example.com/merged" TargetMode="External"/>\n'))

STYLES = styles("""<w:style w:type="paragraph" w:styleId="Caption"><w:name w:val="caption"/><w:basedOn w:val="Normal"/>
<w:rPr><w:i/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="TOC1"><w:name w:val="toc 1"/><w:basedOn w:val="Normal"/></w:style>
<w:style w:type="paragraph" w:styleId="TableofFigures"><w:name w:val="table of figures"/><w:basedOn w:val="Normal"/></w:style>
<w:style w:type="character" w:styleId="Hyperlink"><w:name w:val="Hyperlink"/><w:rPr><w:color w:val="0000FF"/><w:u w:val="single"/></w:rPr></w:style>
""")

# The caption style of the style-figures document.
CAPTION_FIGURE = ('<w:style w:type="paragraph" w:styleId="CaptionFigure"><w:name w:val="Caption Figure"/>'
                  '<w:basedOn w:val="Normal"/><w:rPr><w:b/></w:rPr></w:style>\n')


def cell(content, width, span=1, vmerge=None):
    tcpr = '<w:tcW w:w="%d" w:type="dxa"/>' % width
    if span > 1:
        tcpr += '<w:gridSpan w:val="%d"/>' % span
    if vmerge == "restart":
        tcpr += '<w:vMerge w:val="restart"/>'
    elif vmerge:
        tcpr += "<w:vMerge/>"
    return "<w:tc><w:tcPr>%s</w:tcPr>%s</w:tc>" % (tcpr, content or "<w:p/>")


def table(rows, widths, floating=False):
    pos = '<w:tblpPr w:leftFromText="180" w:rightFromText="180" w:vertAnchor="text" w:tblpY="1"/>' \
        if floating else ""
    grid = "".join('<w:gridCol w:w="%d"/>' % w for w in widths)
    return ('<w:tbl><w:tblPr>%s<w:tblW w:w="0" w:type="auto"/><w:tblBorders>'
            '<w:insideH w:val="single" w:sz="4"/><w:insideV w:val="single" w:sz="4"/></w:tblBorders></w:tblPr>'
            '<w:tblGrid>%s</w:tblGrid>%s</w:tbl>' % (pos, grid, "".join("<w:tr>%s</w:tr>" % r for r in rows)))


def section(landscape, last=False, header=False):
    size = '<w:pgSz w:w="16838" w:h="11906" w:orient="landscape"/>' if landscape else \
        '<w:pgSz w:w="11906" w:h="16838"/>'
    ref = '<w:headerReference w:type="default" r:id="rId2"/>' if header else ""
    body = '<w:sectPr>%s%s<w:pgMar w:top="1134" w:right="1134" w:bottom="1134" w:left="1134" ' \
           'w:header="567" w:footer="567" w:gutter="0"/></w:sectPr>' % (ref, size)
    return body if last else "<w:p><w:pPr>%s</w:pPr></w:p>" % body


def merged_table(rows, label, link_row):
    """Column 1 one cell merged down over all rows; columns 2-3 joined every fifth row."""
    out = []
    for i in range(rows):
        first = cell(para(run("%s merged" % label)) if i == 0 else None, 1800, vmerge="restart" if i == 0 else "cont")
        text = "%s row %d" % (label, i + 1)
        if i == link_row:
            body = para(run(text + ", see "), '<w:hyperlink r:id="rId3">' + run("the merged page") + "</w:hyperlink>",
                        run(", page "), field(" PAGEREF _RefTarget \\h ", "1"))
        else:
            body = para(run(text))
        if i % 5 == 4:
            out.append(first + cell(body, 6000, span=2))
        else:
            out.append(first + cell(body, 3000) + cell(para(run("right %d" % (i + 1))), 3000))
    return table(out, (1800, 3000, 3000))


def merged_pages():
    header_table = table([cell(para(run("Page "), field(" PAGE ", "1")), 3000) +
                          cell(para('<w:hyperlink r:id="rId3">' + run("header link") + "</w:hyperlink>"), 3000)],
                         (3000, 3000))
    header = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:hdr %s>%s<w:p/></w:hdr>' % (W, header_table)
    body = [para(run("Merged cells over page breaks"), style="Heading1"),
            para(bookmark(1, "_RefTarget", run(FILLER))),
            merged_table(120, "Portrait", 70),
            para(run(FILLER)),
            section(False, header=True),
            para(run("Landscape part"), style="Heading1"),
            merged_table(60, "Landscape", 40),
            table([cell(para(run("Floating "), '<w:hyperlink r:id="rId3">' + run("table link") + "</w:hyperlink>"),
                        3000)], (3000,), floating=True),
            para(run(FILLER)),
            section(True, last=True, header=True)]
    return body, header, ""


def figures(by_style=False):
    captions = [(1, "_Toc100000101", "A first figure"), (2, "_Toc100000102", "A second figure"),
                (3, "_Toc100000103" if by_style else None, "A third figure"),
                (4, "_Toc100000104", "A fourth figure")]
    headings = [("_Toc100000001", "Introduction"), ("_Toc100000002", "Pictures")]

    def entry(target, text, page, style):
        return para('<w:hyperlink w:anchor="%s" w:history="1">' % (target or "_Toc100000103") + run(text) +
                    run("\t") + field(" PAGEREF %s \\h " % (target or "_Toc100000103"), str(page)) +
                    "</w:hyperlink>", style=style)

    def index(code, entries, style):
        first = ('<w:p><w:pPr><w:pStyle w:val="%s"/></w:pPr><w:r><w:fldChar w:fldCharType="begin"/></w:r>'
                 '<w:r><w:instrText xml:space="preserve">%s</w:instrText></w:r>'
                 '<w:r><w:fldChar w:fldCharType="separate"/></w:r>' % (style, escape(code)))
        paras = [entry(*e, style) for e in entries]
        paras[0] = first + paras[0][len("<w:p><w:pPr><w:pStyle w:val=\"%s\"/></w:pPr>" % style):]
        return "".join(paras) + '<w:p><w:r><w:fldChar w:fldCharType="end"/></w:r></w:p>'

    body = [para(run("Figures and their table"), style="Heading1"),
            index(' TOC \\o "1-1" \\h \\z \\u ', [(headings[0][0], headings[0][1], 2),
                                                    (headings[1][0], headings[1][1], 3)], "TOC1"),
            para(run("Table of figures")),
            index(' TOC \\h \\z \\t "Caption Figure" \\c ' if by_style else ' TOC \\h \\z \\c "Figure" ',
                  [(t, "Figure %d: %s" % (n, title), 3 + n) for n, t, title in captions], "TableofFigures"),
            para(bookmark(10, headings[0][0], run(headings[0][1])), style="Heading1", page_break=True),
            para(run(FILLER * 3)),
            para(bookmark(11, headings[1][0], run(headings[1][1])), style="Heading1", page_break=True),
            para(run(FILLER))]
    for n, target, title in captions:
        body.append(para(run(FILLER), page_break=True))
        if by_style:
            caption = [run("Figure %d: %s" % (n, title))]
        else:
            caption = [run("Figure "), field(" SEQ Figure \\* ARABIC ", str(n)), run(": " + title)]
        body.append(para(bookmark(20 + n, target, *caption) if target else "".join(caption),
                         style="CaptionFigure" if by_style else "Caption"))
        body.append(para(run(FILLER)))
    body.append(section(False, last=True))
    return body, None, CAPTION_FIGURE if by_style else ""


def write(path, body, header, styles=""):
    document = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:document %s><w:body>%s</w:body>'
                '</w:document>' % (W, "".join(body)))
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("[Content_Types].xml", CONTENT_TYPES)
        z.writestr("_rels/.rels", ROOT_RELS)
        z.writestr("word/_rels/document.xml.rels", DOC_RELS)
        z.writestr("word/styles.xml", STYLES.replace("</w:styles>", styles + "</w:styles>"))
        z.writestr("word/header1.xml", header or
                   '<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:hdr %s><w:p/></w:hdr>' % W)
        z.writestr("word/document.xml", document)


def main():
    outdir = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(outdir, exist_ok=True)
    for name, make in (("merged-pages", merged_pages), ("figures", figures),
                       ("style-figures", lambda: figures(by_style=True))):
        path = os.path.join(outdir, name + ".docx")
        write(path, *make())
        print("%s (%d bytes)" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
