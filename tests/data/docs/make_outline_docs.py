#!/usr/bin/env python3
"""Writes the test document whose outline needs d2p -a (and whose site pages need d2h -a).

    python3 tests/data/docs/make_outline_docs.py [output directory]   (default: this directory)

  outline-levels   a title page set in Heading 6; numbered chapters and sections in Heading 1
                   and 2 ("1 History", "1.1 Origins"); a chapter in a style of its own with an
                   outline level ("Appendix"); a paragraph of body text given an outline level
                   of its own ("Method note"). Four pages, A4. Without -a only the title page
                   lines make the outline (the first heading is at level 6); with -a every one
                   of them does, the numbered ones with their numbers.
  toc-marks        headings that open with a table-of-contents entry mark (as a TC field
                   imported from Word makes) and a table of contents, A4: a heading's
                   text must be read whole, its last character included.

    python3 tests/data/docs/make_outline_docs.py [output directory] [name ...]   writes only those
"""

import os
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "samples"))

from flatodt import A4, Document, Markup, Office  # noqa: E402
from xml.sax.saxutils import escape  # noqa: E402

FILLER = ("This paragraph is filler of a known length, so that each page holds some running text "
          "around its headings. ")


class OutlineDocument(Document):
    """Adds Heading 6 and a custom chapter style with an outline level, and numbers levels 1
    and 2 of the outline ("1", "1.1")."""

    def _styles(self):
        extra = (
            '<style:style style:name="Heading_20_6" style:display-name="Heading 6" style:family="paragraph"'
            ' style:parent-style-name="Heading" style:next-style-name="Text_20_body"'
            ' style:default-outline-level="6" style:class="text"><style:paragraph-properties'
            ' fo:text-align="center" fo:margin-top="1cm" fo:margin-bottom="0.4cm"/>'
            '<style:text-properties fo:font-size="24pt"/></style:style>'
            '<style:style style:name="Appendix" style:family="paragraph" style:parent-style-name="Standard"'
            ' style:next-style-name="Text_20_body" style:default-outline-level="1" style:class="text">'
            '<style:paragraph-properties fo:margin-top="0.6cm" fo:margin-bottom="0.2cm"'
            ' fo:keep-with-next="always"/><style:text-properties fo:font-weight="bold" fo:font-size="16pt"'
            ' fo:color="#7a2e0e"/></style:style>')
        styles = super()._styles().replace("</office:styles>", extra + "</office:styles>")
        numbered = "".join(
            '<text:outline-level-style text:level="%d" style:num-format="1" text:display-levels="%d"'
            ' style:num-suffix=" "/>' % (lv, lv) for lv in (1, 2))
        plain = "".join('<text:outline-level-style text:level="%d" style:num-format=""/>' % lv
                        for lv in range(3, 11))
        start = styles.index('<text:outline-style style:name="Outline">')
        end = styles.index("</text:outline-style>", start)
        return (styles[:start] + '<text:outline-style style:name="Outline">' + numbered + plain
                + styles[end:])

    def styled(self, style, level, text, page_break=False):
        """A paragraph of `style` with an outline level (text:h), outside the heading list."""
        self.body.append(Markup('<text:h text:style-name="%s" text:outline-level="%d">%s</text:h>'
                                % (self._style(style, None, page_break), level, escape(text))))


def outline_levels():
    d = OutlineDocument("Annual report", page=A4)
    d.styled("Heading_20_6", 6, "Annual report")
    d.styled("Heading_20_6", 6, "Financial year 2026")
    d.p("Prepared for the members of the association.")
    d.heading(1, "History", key="history", page_break=True)
    d.p(FILLER * 3)
    d.heading(2, "Origins", key="origins")
    d.p(FILLER * 3)
    d.heading(2, "Growth", key="growth")
    d.p(FILLER * 3)
    d.heading(1, "Accounts", key="accounts", page_break=True)
    d.p(FILLER * 3)
    d.styled("Appendix", 1, "Appendix", page_break=True)
    d.p(FILLER * 2)
    d.styled("Text_20_body", 2, "Method note")
    d.p(FILLER * 2)
    return d


TOC_MARK_TITLES = ["Effects of Adjusting Spacecraft Time", "Avoid Unsorted ATS Loads", "Naming Conventions"]


def toc_marks():
    d = Document("Contents marks", page=A4)
    d.toc(levels=2)
    for i, title in enumerate(TOC_MARK_TITLES):
        level = 1 if i == 0 else 2
        d.heading(level, title)
        # the mark first, as Word keeps a TC field before the heading's text
        opening = str(d.body[-1]).index(">") + 1
        d.body[-1] = Markup(str(d.body[-1])[:opening] + '<text:toc-mark text:string-value=" " text:outline-level="1"/>'
                            + str(d.body[-1])[opening:])
        d.p(FILLER * 3)
    return d


def main():
    outdir = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else HERE
    wanted = set(sys.argv[2:])
    os.makedirs(outdir, exist_ok=True)
    for name, make in (("outline-levels", outline_levels), ("toc-marks", toc_marks)):
        if wanted and name not in wanted:
            continue
        work = tempfile.mkdtemp(prefix="fv-outline-")
        fodt = os.path.join(work, name + ".fodt")
        with open(fodt, "w", encoding="utf-8") as f:
            f.write(make().render())
        office = Office()
        try:
            path = office.convert(fodt, "docx", outdir)
        finally:
            office.close()
            os.remove(fodt)
            os.rmdir(work)
        print("  %s (%d bytes)" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
