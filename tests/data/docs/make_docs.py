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
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "samples"))

from flatodt import A4, LETTER, Document, build, code, link, page_number, para, tab  # noqa: E402

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


def main():
    outdir = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else HERE
    os.makedirs(outdir, exist_ok=True)
    # many-headings stays .docx only: its .doc would be over 100 KB
    for name, make, formats in (("many-headings", many_headings, ("docx",)),
                                ("landscape", landscape, ("docx", "doc")),
                                ("headers", headers, ("docx", "doc"))):
        fodt = os.path.join(outdir, name + ".fodt")
        pages, results = build(make(), fodt, formats)
        os.remove(fodt)  # the script is the source; the flat ODT is only an intermediate
        print(name, "heading pages:", pages)
        for path in results.values():
            print("  %s (%d bytes)" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
