#!/usr/bin/env python3
"""Writes the benchmark document: some 150 pages with everything the PDF route walks.

    python3 tools/bench/make_bench_doc.py [output directory] [--chapters N] [--paragraphs N]

Produces bench.fodt and, through the office, bench.docx in the output directory (default:
build/bench-doc). The document has headings on three levels, a filled-in table of contents
whose entries link to the headings, a page header with a web link and a page-number footer,
and in the body some hundreds of links: internal hyperlinks to headings, cross-references
(text and page) to headings, web links, long web links that run over the end of their line,
one footnote with a web link per chapter and a text box with a web link in every fifth one.

The text is pseudo-random but fixed (seeded), so that every run lays out the same pages.
Needs `soffice` and `qpdf` (see samples/flatodt.py).
"""

import argparse
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "samples"))

from flatodt import LETTER, Document, build, link, page_number, para, tab  # noqa: E402

WORDS = ("office layout page heading outline link region bookmark document printer section chapter "
         "paragraph reader browser address footnote header footer table content entry measure position "
         "character line margin column width height portrait landscape publish convert export walk "
         "structure reference target anchor frame index marker level depth style font point number").split()

FIRST_HEADING = 100001  # flatodt numbers the bookmarks of heading i as _Toc/_Ref 100001 + i


def sentence(rng, words):
    text = " ".join(rng.choice(WORDS) for _ in range(words))
    return text[0].upper() + text[1:] + ". "


def filler(rng, sentences):
    return "".join(sentence(rng, rng.randint(8, 16)) for _ in range(sentences))


def plan(chapters):
    """The headings in document order: (level, text, key)."""
    out = []
    for c in range(1, chapters + 1):
        out.append((1, "Chapter %d: %s" % (c, " ".join(WORDS[(c * k) % len(WORDS)] for k in (3, 5))), "c%d" % c))
        for s in range(1, 4):
            out.append((2, "Section %d.%d" % (c, s), "c%ds%d" % (c, s)))
            for t in range(1, 3):
                out.append((3, "Topic %d.%d.%d" % (c, s, t), "c%ds%dt%d" % (c, s, t)))
    return out


def make(chapters, paragraphs):
    rng = random.Random(20261207)
    headings = plan(chapters)
    d = Document("Folivane benchmark document", page=LETTER)
    d.set_master("Standard",
                 header=[para("Folivane benchmark", tab(), "Published with ",
                              link("https://example.com/bench/header", "example.com"), style="Header")],
                 footer=[para("Page ", page_number(), style="Footer")])
    d.title_page("Folivane benchmark document", "A long generated document for timing the PDF route")
    d.p(filler(rng, 4))
    d.toc(levels=3)

    count = len(headings)
    topics = 0
    for i, (level, text, key) in enumerate(headings):
        d.heading(level, text, key=key, page_break=(level == 1))
        target = (i * 37 + 11) % count  # an internal link somewhere else in the document
        ref_target = headings[(i * 53 + 29) % count][2]
        c = int(key[1:].split("s")[0])
        if level == 1:
            extra = []
            if c % 5 == 0:
                extra.append(d.text_box([para("Chapter %d at a glance. More at " % c,
                                              link("https://example.com/bench/box/%d" % c, "the chapter page"),
                                              ".", style="Frame_20_contents")], width_cm=5.5))
            d.p(*extra, filler(rng, 3), "Read more about it on the ",
                link("https://example.com/bench/chapter/%d" % c, "chapter's web page"), ".",
                d.footnote("Chapter %d notes are kept at " % c,
                           link("https://example.com/bench/notes/%d" % c, "example.com/bench/notes"), "."))
            continue
        if level == 2:
            d.p(filler(rng, 3), "This builds on ", d.ref(ref_target), ", described on page ",
                d.ref(ref_target, "page"), ". ", filler(rng, 2))
            continue
        topics += 1
        for k in range(paragraphs + topics % 2):  # every other topic gets one more
            parts = [filler(rng, 3)]
            if k == 0:
                parts += ["See also ", link("#_Ref%d" % (FIRST_HEADING + target), headings[target][1]),
                          " and the web page ", link("https://example.com/bench/%s" % key), ". "]
            elif k == 1 and i % 2 == 0:
                # long enough to run over the end of its line wherever it starts
                parts += ["The long link ", link("https://example.com/bench/long/%s" % key,
                                                 "to the full description of %s and of all of its related "
                                                 "topics in the online reference" % text.lower()), " continues. "]
            parts.append(filler(rng, 3))
            d.p(*parts)
    return d


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("outdir", nargs="?", default=os.path.join(HERE, "..", "..", "build", "bench-doc"))
    parser.add_argument("--chapters", type=int, default=25)
    parser.add_argument("--paragraphs", type=int, default=4,
                        help="body paragraphs of every other level-3 topic; the others get one more")
    args = parser.parse_args()
    outdir = os.path.abspath(args.outdir)
    os.makedirs(outdir, exist_ok=True)
    fodt = os.path.join(outdir, "bench.fodt")
    pages, results = build(make(args.chapters, args.paragraphs), fodt, formats=("docx",))
    print("headings: %d, last heading on page %d" % (len(pages), pages[-1]))
    for path in [fodt] + list(results.values()):
        print("%s (%d bytes)" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
