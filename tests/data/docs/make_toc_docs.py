#!/usr/bin/env python3
"""Writes the test document whose outline can only come from its table of contents.

    python3 tests/data/docs/make_toc_docs.py [output directory]   (default: this directory)

  toc-only   chapters and sections in styles of their own ("Chapter 1", "Chapter 2") that
             carry an outline level but are not the word processor's heading styles; a
             filled-in table of contents with links; internal links to the chapters'
             bookmarks and a web link. Three pages, A4.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "samples"))

from flatodt import A4, Document, Markup, build, link, page_number, para  # noqa: E402
from xml.sax.saxutils import escape  # noqa: E402

FILLER = ("This paragraph is filler of a known length, so that each page holds some running text "
          "before and after its links. ")


class ChapterDocument(Document):
    """Headings in custom styles with an outline level instead of Heading 1 to 3."""

    SIZES = {1: ("17pt", "0.5cm"), 2: ("13pt", "0.4cm")}

    def _style(self, parent, master=None, page_break=False):
        return super()._style(parent.replace("Heading_20_", "Chapter_20_"), master, page_break)

    def _styles(self):
        extra = "".join(
            '<style:style style:name="Chapter_20_%d" style:display-name="Chapter %d" style:family="paragraph"'
            ' style:parent-style-name="Standard" style:next-style-name="Text_20_body"'
            ' style:default-outline-level="%d" style:class="text"><style:paragraph-properties'
            ' fo:margin-top="%s" fo:margin-bottom="0.2cm" fo:keep-with-next="always"/><style:text-properties'
            ' style:font-name="%s" fo:font-weight="bold" fo:font-size="%s" fo:color="#7a2e0e"/></style:style>'
            % (lv, lv, lv, top, escape(self.heading_font), size) for lv, (size, top) in self.SIZES.items())
        return super()._styles().replace("</office:styles>", extra + "</office:styles>")


def toc_only():
    d = ChapterDocument("Contents without headings", page=A4)
    d.set_master("Standard", footer=[para("Page ", page_number(), style="Footer")])
    d.p("Contents without headings", style="Title")
    d.toc(levels=2)
    plan = [(1, "Chapter one"), (2, "First section"), (2, "Second section"),
            (1, "Chapter two"), (2, "Third section"), (1, "Chapter three")]
    for i, (level, title) in enumerate(plan):
        d.heading(level, title, key="c%d" % i, page_break=level == 1)
        n = 100001 + (i + 2) % len(plan)
        d.p(FILLER, "Jump to ", link("#_Ref%d" % n, "the %s" % plan[(i + 2) % len(plan)][1].lower()),
            ", or open ", link("https://example.com/toc-only/%d" % (i + 1)), ". ", FILLER * 2)
    return d


def main():
    outdir = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else HERE
    os.makedirs(outdir, exist_ok=True)
    fodt = os.path.join(outdir, "toc-only.fodt")
    pages, results = build(toc_only(), fodt, ("docx",))
    os.remove(fodt)
    print("toc-only heading pages:", pages)
    for path in results.values():
        print("  %s (%d bytes)" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
