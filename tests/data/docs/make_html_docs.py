#!/usr/bin/env python3
"""Writes the document that the HTML site tests publish.

    python3 tests/data/docs/make_html_docs.py [output directory]   (default: this directory)

  html-anchors  numbered headings on two levels ("1", "1.1"; the office exports them inside
                nested <ol><li>), a filled-in table of contents, bookmarks of the document's
                own in the running text ("_THIS_WEEK_IN", "Figures") with links to them from
                other pages, a cross-reference, a bulleted list and a numbered list; a link
                to "Nowhere", a bookmark the document does not have, and bookmarks on empty
                paragraphs ("Blank" before the summary, "TheEnd" last) with links to them.

The flat ODT is converted by the office into .docx; the contents' page numbers are left
at 1 (the site shows no page numbers that matter).
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "samples"))

from flatodt import A4, Document, Markup, Office, para  # noqa: E402

FILLER = "Running text of a known kind, so that every page of the site holds a paragraph or two. "


class NumberedDocument(Document):
    """Headings numbered "1", "1.1", "1.1.1" as the document shows them."""

    def _styles(self):
        plain = "".join('<text:outline-level-style text:level="%d" style:num-format=""/>' % i for i in range(1, 11))
        numbered = "".join(
            '<text:outline-level-style text:level="%d" style:num-format="1" text:display-levels="%d"'
            ' style:num-suffix=" "/>' % (i, i) for i in range(1, 4)) + "".join(
            '<text:outline-level-style text:level="%d" style:num-format=""/>' % i for i in range(4, 11))
        styles = super()._styles()
        if plain not in styles:
            raise SystemExit("the outline style of flatodt changed")
        return styles.replace(plain, numbered)


def bookmark(name):
    return Markup('<text:bookmark text:name="%s"/>' % name)


def internal(name, *text):
    return Markup('<text:a xlink:type="simple" xlink:href="#%s">%s</text:a>' % (name, "".join(text)))


def html_anchors():
    d = NumberedDocument("Anchors and numbers", page=A4)
    d.p("Anchors and numbers", style="Title")
    d.toc(levels=2)
    d.p("Jump to ", internal("_THIS_WEEK_IN", "this week"), " or to ", internal("Figures", "the figures"), ".")
    d.p("Also ", internal("Nowhere", "a lost place"), ", ", internal("Blank", "the gap"), " and ",
        internal("TheEnd", "the end"), ".")
    d.heading(1, "Introduction", key="intro", page_break=True)
    d.p(FILLER, "See ", d.ref("later"), " and ", internal("_THIS_WEEK_IN", "this week"), ".")
    d.body.append(Markup('<text:list><text:list-item><text:p text:style-name="Text_20_body">First point</text:p>'
                         '</text:list-item><text:list-item><text:p text:style-name="Text_20_body">Second point'
                         '</text:p></text:list-item></text:list>'))
    d.heading(2, "Background", key="background")
    d.p(bookmark("_THIS_WEEK_IN"), "This week in the project: ", FILLER)
    d.heading(2, "Scope", key="scope")
    d.p(FILLER, "Back to ", internal("Figures", "the figures"), ".")
    d.heading(1, "Details", key="later", page_break=True)
    d.p(FILLER)
    d.heading(2, "Figures and tables", key="figures")
    d.p(bookmark("Figures"), "The figures: ", FILLER, "Back to ", d.ref("intro"), ".")
    d.p(bookmark("Blank"))
    d.heading(1, "Summary", key="summary", page_break=True)
    d.p(FILLER, "Read ", internal("_THIS_WEEK_IN", "this week"), " again.")
    d.p(bookmark("TheEnd"))
    return d


def main():
    outdir = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else HERE
    os.makedirs(outdir, exist_ok=True)
    doc = html_anchors()
    fodt = os.path.join(outdir, "html-anchors.fodt")
    with open(fodt, "w", encoding="utf-8") as f:
        f.write(doc.render())
    office = Office()
    try:
        path = office.convert(fodt, "docx", outdir)
    finally:
        office.close()
        os.remove(fodt)  # the script is the source; the flat ODT is only an intermediate
    print("%s (%d bytes)" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
