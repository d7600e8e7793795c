#!/usr/bin/env python3
"""Writes the test document with cross-references, footnotes and endnotes, as raw .docx XML.

    python3 tests/data/docs/make_reference_docs.py [output directory]   (default: this directory)

  cross-references   A4, three pages and the endnotes. Page 1: a REF field with \\h to the
                     heading "Results" (bookmark _Ref100), a PAGEREF with \\h to it, the same
                     REF without \\h, a REF with \\h to a bookmark the document lacks, and the
                     marks of footnotes 1 and 2 and of endnote 1. Page 2: the mark of footnote 3
                     and a NOTEREF with \\h to footnote 1's mark (bookmark _Ref200), then a REF
                     with \\h to a long phrase on page 3 (bookmark _Ref300) that starts near a
                     line's end, so that its result breaks over two lines; footnote 3 holds a
                     REF with \\h to the heading. Page 3: the heading "Results", the mark of
                     endnote 2 and the long phrase. Each footnote's text sits at the foot of its mark's page;
                     the endnotes after the last page's text.
  rtl-notes          Letter, one right-to-left page in Hebrew with a comment on its last
                     paragraph: a paragraph holding the marks of footnotes 1 and 2 in mid-line and a web
                     link over two words, a long paragraph with a web link that starts at the
                     end of its second line and goes on in the third; both footnotes' text is
                     right-to-left too.
"""

import os
import sys
import zipfile
from xml.sax.saxutils import escape

from docx_parts import (FILLER, ROOT_RELS, W, bookmark, content_types, document_rels, field, para, run,
                        styles)

CONTENT_TYPES = content_types(("footnotes.xml", "footnotes"), ("endnotes.xml", "endnotes"))

LINK_REL = ('<Relationship Id="%s" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/'
            'hyperlink" Target="%s" TargetMode="External"/>\n')

STYLES = styles("""<w:style w:type="paragraph" w:styleId="FootnoteText"><w:name w:val="footnote text"/><w:basedOn w:val="Normal"/>
<w:rPr><w:sz w:val="20"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="EndnoteText"><w:name w:val="endnote text"/><w:basedOn w:val="Normal"/>
<w:rPr><w:sz w:val="20"/></w:rPr></w:style>
<w:style w:type="character" w:styleId="FootnoteReference"><w:name w:val="footnote reference"/>
<w:rPr><w:vertAlign w:val="superscript"/></w:rPr></w:style>
<w:style w:type="character" w:styleId="EndnoteReference"><w:name w:val="endnote reference"/>
<w:rPr><w:vertAlign w:val="superscript"/></w:rPr></w:style>
""")

# A reference whose shown result runs over a line end: the lead-in fills most of the line.
WRAP_LEAD = "A long reference starts near the end of this line and goes on in the line below it: "
WRAPPED = "Results of the measurements over the whole season"


def mark(kind, ident):
    """The reference mark of footnote or endnote `ident` in the body."""
    style = "FootnoteReference" if kind == "footnote" else "EndnoteReference"
    return '<w:r><w:rPr><w:rStyle w:val="%s"/></w:rPr><w:%sReference w:id="%d"/></w:r>' % (style, kind, ident)


def notes(kind, texts):
    """footnotes.xml or endnotes.xml: the two separators, then one note per text (ids from 1);
    a text is a string, or a list of runs already written."""
    tag = "w:" + kind
    style = "FootnoteText" if kind == "footnote" else "EndnoteText"
    ref = "FootnoteReference" if kind == "footnote" else "EndnoteReference"
    out = ['<%s w:type="separator" w:id="-1"><w:p><w:r><w:separator/></w:r></w:p></%s>' % (tag, tag),
           '<%s w:type="continuationSeparator" w:id="0"><w:p><w:r><w:continuationSeparator/></w:r></w:p></%s>'
           % (tag, tag)]
    for i, text in enumerate(texts, 1):
        out.append('<%s w:id="%d"><w:p><w:pPr><w:pStyle w:val="%s"/></w:pPr>'
                   '<w:r><w:rPr><w:rStyle w:val="%s"/></w:rPr><w:%sRef/></w:r>%s</w:p></%s>'
                   % (tag, i, style, ref, kind, "".join(text) if isinstance(text, list) else run(" " + text), tag))
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:%ss %s>%s</w:%ss>'
            % (kind, W, "".join(out), kind))


def cross_references():
    body = [
        para(run("Cross-references and notes"), style="Heading1"),
        para(run("Linked: see the chapter "), field(" REF _Ref100 \\h ", "Results"), run(" on page "),
             field(" PAGEREF _Ref100 \\h ", "3"), run(".")),
        para(run("Not linked: the chapter "), field(" REF _Ref100 ", "Results"), run(" again.")),
        para(run("Broken: the chapter "), field(" REF _Ref999 \\h ", "Missing"), run(" that is gone.")),
        para(run("A first footnote"), bookmark(200, "_Ref200", mark("footnote", 1)),
             run(", a second one"), mark("footnote", 2), run(" and an endnote"), mark("endnote", 1), run(".")),
        para(run(FILLER * 2)),
        para(run("The second page has a third footnote"), mark("footnote", 3), run("."), page_break=True),
        para(run("Note reference: see note "), field(" NOTEREF _Ref200 \\h ", "1"), run(" above.")),
        para(run(WRAP_LEAD), field(" REF _Ref300 \\h ", WRAPPED), run(" ends here.")),
        para(run(FILLER * 2)),
        para(bookmark(100, "_Ref100", run("Results")), style="Heading1", page_break=True),
        para(run("The last page holds a second endnote"), mark("endnote", 2), run(".")),
        para(bookmark(300, "_Ref300", run(WRAPPED))),
        para(run(FILLER)),
        '<w:sectPr><w:footnotePr><w:numFmt w:val="decimal"/></w:footnotePr>'
        '<w:endnotePr><w:numFmt w:val="lowerRoman"/></w:endnotePr><w:pgSz w:w="11906" w:h="16838"/>'
        '<w:pgMar w:top="1134" w:right="1134" w:bottom="1134" w:left="1134" w:header="567" w:footer="567" '
        'w:gutter="0"/></w:sectPr>',
    ]
    third = [run(" The third footnote, see "), field(" REF _Ref100 \\h ", "Results"), run(".")]
    footnotes = notes("footnote", ["The first footnote.", "The second footnote.", third])
    endnotes = notes("endnote", ["The first endnote.", "The second endnote."])
    return body, footnotes, endnotes


# Right-to-left runs in a font that has the Hebrew letters.
RTL_RPR = '<w:rPr><w:rFonts w:ascii="DejaVu Sans" w:hAnsi="DejaVu Sans" w:cs="DejaVu Sans"/><w:rtl/></w:rPr>'
HEBREW_FILLER = "טקסט מילוי באורך ידוע שממלא את השורה לפני שהקישור מתחיל בה. "


def rtl_run(text):
    return '<w:r>%s<w:t xml:space="preserve">%s</w:t></w:r>' % (RTL_RPR, escape(text))


def rtl_mark(ident):
    return ('<w:r><w:rPr><w:rStyle w:val="FootnoteReference"/><w:rtl/></w:rPr>'
            '<w:footnoteReference w:id="%d"/></w:r>' % ident)


def rtl_link(rel, text):
    return '<w:hyperlink r:id="%s">%s</w:hyperlink>' % (rel, rtl_run(text))


def rtl_para(*parts):
    return '<w:p><w:pPr><w:bidi/></w:pPr>%s</w:p>' % "".join(parts)


def rtl_notes():
    body = [
        rtl_para(rtl_run("הערה ראשונה"), rtl_mark(1), rtl_run(" ועוד הערה שנייה"), rtl_mark(2),
                 rtl_run(" וקישור אל "), rtl_link("rId10", "האתר שלנו"), rtl_run(" בסוף.")),
        rtl_para(rtl_run(HEBREW_FILLER * 3), rtl_link("rId11", "קישור ארוך שעובר מהשורה השנייה אל השורה השלישית"), rtl_run(" וסוף.")),
        # The comment's mark ends its own paragraph: in the office's view it
        # takes room that the printed line does not give it.
        rtl_para('<w:commentRangeStart w:id="0"/>', rtl_run("פסקה עם הערה."), '<w:commentRangeEnd w:id="0"/>',
                 '<w:r><w:commentReference w:id="0"/></w:r>'),
        '<w:sectPr><w:footnotePr><w:numFmt w:val="decimal"/></w:footnotePr><w:pgSz w:w="12240" w:h="15840"/>'
        '<w:pgMar w:top="1440" w:right="1440" w:bottom="1440" w:left="1440" w:header="720" w:footer="720" '
        'w:gutter="0"/><w:bidi/></w:sectPr>',
    ]
    footnotes = notes("footnote", [[rtl_run(" ההערה הראשונה.")], [rtl_run(" ההערה השנייה.")]])
    footnotes = footnotes.replace('<w:pStyle w:val="FootnoteText"/>', '<w:pStyle w:val="FootnoteText"/><w:bidi/>')
    endnotes = notes("endnote", [])
    links = LINK_REL % ("rId10", "https://example.com/site") + LINK_REL % ("rId11", "https://example.com/second")
    return body, footnotes, endnotes, links + COMMENT_REL, COMMENTS


COMMENT_TYPE = ('<Override PartName="/word/comments.xml" ContentType="application/'
                'vnd.openxmlformats-officedocument.wordprocessingml.comments+xml"/>')
COMMENT_REL = ('<Relationship Id="rId12" Type="http://schemas.openxmlformats.org/officeDocument/2006/'
               'relationships/comments" Target="comments.xml"/>\n')
COMMENTS = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:comments %s>'
            '<w:comment w:id="0" w:author="Reviewer" w:initials="R"><w:p><w:r><w:t>A comment.</w:t></w:r></w:p>'
            '</w:comment></w:comments>' % W)


def write(path, body, footnotes, endnotes, links="", comments=None):
    document = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:document %s><w:body>%s</w:body>'
                '</w:document>' % (W, "".join(body)))
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("[Content_Types].xml",
                   CONTENT_TYPES.replace("</Types>", COMMENT_TYPE + "</Types>") if comments else CONTENT_TYPES)
        z.writestr("_rels/.rels", ROOT_RELS)
        z.writestr("word/_rels/document.xml.rels",
                   document_rels(("footnotes", "footnotes.xml"), ("endnotes", "endnotes.xml"), extra=links))
        z.writestr("word/styles.xml", STYLES)
        z.writestr("word/footnotes.xml", footnotes)
        z.writestr("word/endnotes.xml", endnotes)
        z.writestr("word/document.xml", document)
        if comments:
            z.writestr("word/comments.xml", comments)


def main():
    outdir = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(outdir, exist_ok=True)
    path = os.path.join(outdir, "cross-references.docx")
    write(path, *cross_references())
    print("%s (%d bytes)" % (path, os.path.getsize(path)))
    path = os.path.join(outdir, "rtl-notes.docx")
    write(path, *rtl_notes())
    print("%s (%d bytes)" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
