#!/usr/bin/env python3
"""Writes the small test documents that the office suites publish.

    python3 tests/data/docs/make_docs.py [output directory]   (default: this directory)

Each document is written as a flat ODT and converted by the office into .docx (and .doc):

  many-headings   40 headings on three levels over 30 pages, each page started by a
                  manual page break; a filled-in table of contents with links, a
                  cross-reference (text and page) and a web link on every page.
  landscape       portrait, landscape, portrait: two landscape pages between portrait
                  ones, with a heading, a web link and a cross-reference on each page.
  headers         different first page and odd/even page headers and footers, each with
                  its own web link, over five pages; links in a footnote and a text box.
  shape-links     links set on whole pictures and a drawn shape, not on text: floating
                  pictures placed against the page and against the paragraph, an inline
                  picture, a rectangle; a text link beside them.
  letter-a4       pages of two sizes, all portrait: Letter, A4, Letter sections, with a
                  table of contents, headings, web links, cross-references and a page
                  header link on every page.
  a4-a5           A4 portrait, A5 landscape, A4 portrait: the A5 landscape pages are as
                  wide as the A4 ones but shorter; same contents.

    python3 tests/data/docs/make_docs.py [output directory] [name ...]   writes only those
"""

import base64
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "samples"))

from flatodt import A4, LETTER, Document, Markup, build, code, link, page_number, para, tab  # noqa: E402
from xml.sax.saxutils import quoteattr  # noqa: E402

FILLER = ("This paragraph is filler of a known length, so that each page holds some running text "
          "before and after its links. ")


def many_headings():
    d = Document("Many headings", page=A4)
    d.set_master("Standard", footer=[para("Page ", page_number(), style="Footer")])
    d.p("Many headings", style="Title")
    d.toc(levels=3)
    levels = [1, 2, 3, 2, 1, 2, 2, 3, 3, 1] * 4
    page = 0
    for i, level in enumerate(levels):
        # every heading of level 1 or 2 starts a page; level 3 shares the page of its parent
        brk = level < 3
        if brk:
            page += 1
        d.heading(level, "Heading %d, level %d" % (i + 1, level), key="h%d" % i, page_break=brk)
        target = (i * 7 + 3) % len(levels)
        d.p(FILLER * 2, "See ", d.ref("h%d" % target), " on page ", d.ref("h%d" % target, "page"),
            ", or the web page ", link("https://example.com/many/%d" % (i + 1)), ".")
        d.p(FILLER * 3)
    return d


def landscape():
    d = Document("Landscape sections", page=LETTER)
    foot = [para("Page ", page_number(), style="Footer")]
    d.set_master("Standard", header=[para("Portrait header ", link("https://example.com/portrait-header"),
                                          style="Header")], footer=foot)
    d.add_master("Landscape", landscape=True,
                 header=[para("Landscape header ", link("https://example.com/landscape-header"), style="Header")],
                 footer=foot)
    plan = [("Portrait one", None, False), ("Portrait two", None, True),
            ("Landscape one", "Landscape", False), ("Landscape two", None, True),
            ("Portrait three", "Standard", False)]
    for i, (title, master, brk) in enumerate(plan):
        d.heading(1, title, key=title, master=master, page_break=brk)
        d.p(FILLER * 2, "A web link: ", link("https://example.com/%s" % title.lower().replace(" ", "-")), ".")
        other = plan[(i + 2) % len(plan)][0]
        d.heading(2, title + ", section", key=title + "s")
        d.p("A cross-reference to ", d.ref(other), " on page ", d.ref(other, "page"), ". ", FILLER * 3)
    return d


def headers():
    d = Document("Headers and footers", page=LETTER)
    d.set_master(
        "Standard",
        header_first=[para("First page header ", link("https://example.com/first-header"), style="Header")],
        header=[para("Odd page header ", link("https://example.com/odd-header"), tab(), "page ", page_number(),
                     style="Header")],
        header_left=[para("Even page header ", link("https://example.com/even-header"), tab(), "page ",
                          page_number(), style="Header")],
        footer=[para("Footer ", link("https://example.com/footer"), " page ", page_number(), style="Footer")])
    for i in range(5):
        d.heading(1, "Page %d" % (i + 1), key="p%d" % i, page_break=i > 0)
        parts = [FILLER * 3]
        if i == 1:
            parts.append(d.footnote("A footnote with a link: ", link("https://example.com/footnote"), "."))
        if i == 2:
            parts.insert(0, d.text_box([para("A text box with a link: ", link("https://example.com/text-box"),
                                             style="Frame_20_contents")]))
        d.p(*parts)
        d.p("Back to ", d.ref("p0"), " (page ", d.ref("p0", "page"), "). ", code("page %d" % (i + 1)), ".")
    return d


def png(width, height, rgb):
    """A plain-coloured PNG picture."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    rows = b"".join(b"\0" + bytes(rgb) * width for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


class ShapeDocument(Document):
    """A document with graphic styles of its own for pictures and drawn shapes."""

    GRAPHIC_STYLES = {
        # a picture at a fixed place on the page
        "grPage": 'style:wrap="none" style:vertical-pos="from-top" style:vertical-rel="page"'
                  ' style:horizontal-pos="from-left" style:horizontal-rel="page"',
        # a picture centred in the column, a little below its paragraph's top
        "grPara": 'style:wrap="none" style:vertical-pos="from-top" style:vertical-rel="paragraph"'
                  ' style:horizontal-pos="center" style:horizontal-rel="paragraph"',
        # a picture in the line of text
        "grChar": 'style:vertical-pos="top" style:vertical-rel="baseline"',
        # a drawn rectangle at a fixed place from the margins
        "grShape": 'style:wrap="none" style:vertical-pos="from-top" style:vertical-rel="page-content"'
                   ' style:horizontal-pos="from-left" style:horizontal-rel="page-content"'
                   ' draw:fill="solid" draw:fill-color="#8fb3d9" svg:stroke-color="#1f4e79"',
    }

    def _automatic_styles(self):
        extra = "".join('<style:style style:name="%s" style:family="graphic"><style:graphic-properties %s/>'
                        '</style:style>' % (name, props) for name, props in self.GRAPHIC_STYLES.items())
        return super()._automatic_styles().replace("</office:automatic-styles>",
                                                   extra + "</office:automatic-styles>")

    def picture(self, url, style, anchor, width_cm, height_cm, x_cm=0.0, y_cm=0.0, rgb=(0x1f, 0x4e, 0x79)):
        """A picture that is itself a link to `url`."""
        self.frames += 1
        data = base64.b64encode(png(8, 8, rgb)).decode("ascii")
        return Markup('<draw:a xlink:type="simple" xlink:href=%s><draw:frame draw:style-name="%s"'
                      ' draw:name="Picture %d" text:anchor-type="%s" svg:x="%.2fcm" svg:y="%.2fcm"'
                      ' svg:width="%.2fcm" svg:height="%.2fcm" draw:z-index="%d"><draw:image>'
                      '<office:binary-data>%s</office:binary-data></draw:image></draw:frame></draw:a>'
                      % (quoteattr(url), style, self.frames, anchor, x_cm, y_cm, width_cm, height_cm,
                         self.frames, data))

    def rectangle(self, url, x_cm, y_cm, width_cm, height_cm):
        """A drawn rectangle that is itself a link to `url`."""
        self.frames += 1
        return Markup('<draw:a xlink:type="simple" xlink:href=%s><draw:rect draw:style-name="grShape"'
                      ' draw:name="Shape %d" text:anchor-type="paragraph" svg:x="%.2fcm" svg:y="%.2fcm"'
                      ' svg:width="%.2fcm" svg:height="%.2fcm" draw:z-index="%d"/></draw:a>'
                      % (quoteattr(url), self.frames, x_cm, y_cm, width_cm, height_cm, self.frames))


def shape_links():
    d = ShapeDocument("Links on shapes", page=A4)
    d.heading(1, "Pictures that are links", key="pictures")
    d.p("A picture placed on the page: ",
        d.picture("https://example.com/page-picture", "grPage", "paragraph", 4.0, 2.0, x_cm=12.0, y_cm=4.0),
        "and a web link in the text: ", link("https://example.com/text-link"), ". ", FILLER)
    d.p(FILLER * 2)
    d.p(d.picture("https://example.com/paragraph-picture", "grPara", "paragraph", 5.0, 1.5, y_cm=0.5),
        "A picture centred below the top of this paragraph. ", FILLER * 2)
    for _ in range(4):
        d.p(FILLER)
    d.p("A picture in the line: ",
        d.picture("https://example.com/inline-picture", "grChar", "as-char", 1.2, 0.6), " inside the text.")
    d.heading(1, "A drawn shape that is a link", key="shape")
    d.p(d.rectangle("https://example.com/rectangle", 2.0, 16.0, 3.0, 1.5),
        "A rectangle placed from the margins. ", FILLER)
    return d


A5 = (14.8, 21.0)


def mixed_sizes(title, base, other, other_landscape):
    """Three sections: `base`, then `other` (turned when `other_landscape`), then `base`
    again, two pages each; every page has a heading, a web link and a cross-reference."""
    d = Document(title, page=base)
    slug = title.lower().replace(" ", "-").replace(",", "")
    foot = [para("Page ", page_number(), style="Footer")]
    d.set_master("Standard", header=[para("Header ", link("https://example.com/%s/header" % slug),
                                          style="Header")], footer=foot)
    d.add_master("Other", page=other, landscape=other_landscape,
                 header=[para("Other header ", link("https://example.com/%s/other-header" % slug),
                              style="Header")], footer=foot)
    d.p(title, style="Title")
    d.toc(levels=2)
    plan = [("First part", "Standard", True), ("First part, more", None, True),
            ("Second part", "Other", False), ("Second part, more", None, True),
            ("Third part", "Standard", False), ("Third part, more", None, True)]
    for i, (heading, master, brk) in enumerate(plan):
        d.heading(1, heading, key=heading, master=master, page_break=brk)
        other_key = plan[(i + 3) % len(plan)][0]
        d.p(FILLER, "A web link: ", link("https://example.com/%s/%d" % (slug, i + 1)), ". ",
            "See ", d.ref(other_key), " on page ", d.ref(other_key, "page"), ". ", FILLER)
        d.heading(2, heading + ", details", key=heading + " details")
        d.p(FILLER * 3)
        d.heading(2, heading + ", end", key=heading + " end")
        d.p(FILLER * 2)
    return d


def letter_a4():
    return mixed_sizes("Letter and A4", LETTER, A4, False)


def a4_a5():
    return mixed_sizes("A4 and A5 landscape", A4, A5, True)


def main():
    outdir = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else HERE
    wanted = set(sys.argv[2:])
    os.makedirs(outdir, exist_ok=True)
    # many-headings stays .docx only: its .doc would be over 100 KB; shape-links too: the
    # office's .doc export drops the links of pictures
    for name, make, formats in (("many-headings", many_headings, ("docx",)),
                                ("landscape", landscape, ("docx", "doc")),
                                ("headers", headers, ("docx", "doc")),
                                ("shape-links", shape_links, ("docx",)),
                                ("letter-a4", letter_a4, ("docx",)),
                                ("a4-a5", a4_a5, ("docx",))):
        if wanted and name not in wanted:
            continue
        fodt = os.path.join(outdir, name + ".fodt")
        pages, results = build(make(), fodt, formats)
        os.remove(fodt)  # the script is the source; the flat ODT is only an intermediate
        print(name, "heading pages:", pages)
        for path in results.values():
            print("  %s (%d bytes)" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
