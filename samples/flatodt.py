"""Writes flat ODT documents (.fodt, one XML file) and converts them with the office.

Shared by samples/make_sample.py and tests/data/docs/make_docs.py. Python 3 standard
library only; the conversion needs `soffice`, and `qpdf` for the page numbers of the
table of contents.

A document is built from paragraphs made of inline pieces (plain strings are escaped,
the helpers below return markup). Headings carry two bookmarks, the way a word processor
marks them: "_Toc<n>" for the table of contents and "_Ref<n>" for cross-references.
The table of contents is written filled in, each entry a link to its heading with the
heading's page number; `build()` finds those page numbers by exporting a first draft to
PDF and reading the outline that the export writes.
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile
from xml.sax.saxutils import escape, quoteattr

NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "draw": "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0",
    "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
    "xlink": "http://www.w3.org/1999/xlink",
    "dc": "http://purl.org/dc/elements/1.1/",
    "meta": "urn:oasis:names:tc:opendocument:xmlns:meta:1.0",
    "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
}

# Page sizes in cm, portrait.
LETTER = (21.59, 27.94)
A4 = (21.0, 29.7)


class Markup(str):
    """Text that is already XML and must not be escaped again."""


def inline(parts):
    out = []
    for part in parts:
        if isinstance(part, Markup):
            out.append(part)
        elif isinstance(part, (list, tuple)):
            out.append(inline(part))
        else:
            out.append(escape(str(part)))
    return "".join(out)


def link(url, *text):
    label = text if text else (url,)
    return Markup('<text:a xlink:type="simple" xlink:href=%s text:style-name="Internet_20_link">%s</text:a>'
                  % (quoteattr(url), inline(label)))


def bold(*text):
    return Markup('<text:span text:style-name="Strong">%s</text:span>' % inline(text))


def code(*text):
    return Markup('<text:span text:style-name="Code">%s</text:span>' % inline(text))


def tab():
    return Markup("<text:tab/>")


def page_number():
    return Markup('<text:page-number text:select-page="current">1</text:page-number>')


def para(*parts, style="P_body"):
    """A paragraph for headers, footers, footnotes, text boxes and table cells."""
    return Markup('<text:p text:style-name="%s">%s</text:p>' % (style, inline(parts)))


class _Ref(Markup):
    """A cross-reference placeholder, resolved when the document is rendered."""


class Document:
    def __init__(self, title, page=LETTER, font="Carlito", heading_font="Carlito"):
        self.title = title
        self.page = page
        self.font = font
        self.heading_font = heading_font
        self.body = []  # markup strings and _Ref-bearing part lists
        self.headings = []  # dicts: level, text, n
        self.keys = {}  # cross-reference key -> heading number
        self.masters = {}  # name -> dict
        self.para_styles = {}  # (parent, master, break) -> automatic style name
        self.frames = 0
        self.text_box_links = []  # texts of the links inside text boxes
        self.notes = 0
        self.tables = 0
        self.toc_levels = 0
        self.add_master("Standard", landscape=False)

    # ---- page styles -------------------------------------------------------------------

    def add_master(self, name, landscape=False, header=None, header_left=None, header_first=None,
                   footer=None, page=None):
        """Adds a page style; header*/footer are lists of paragraphs (see `para`)."""
        self.masters[name] = dict(landscape=landscape, header=header, header_left=header_left,
                                  header_first=header_first, footer=footer, page=page or self.page)

    def set_master(self, name, **kw):
        self.masters[name].update(kw)

    # ---- body --------------------------------------------------------------------------

    def _style(self, parent, master=None, page_break=False):
        if master is None and not page_break:
            return parent
        key = (parent, master, page_break)
        if key not in self.para_styles:
            self.para_styles[key] = "P%d" % (len(self.para_styles) + 1)
        return self.para_styles[key]

    def heading(self, level, text, key=None, master=None, page_break=False):
        """A heading paragraph; `master` starts a new page with that page style."""
        n = 100001 + len(self.headings)
        self.headings.append(dict(level=level, text=text, n=n))
        if key:
            if key in self.keys:
                raise ValueError("duplicate heading key " + key)
            self.keys[key] = len(self.headings) - 1
        style = self._style("Heading_20_%d" % level, master, page_break)
        self.body.append(Markup(
            '<text:h text:style-name="%s" text:outline-level="%d">'
            '<text:bookmark-start text:name="_Toc%d"/><text:bookmark-start text:name="_Ref%d"/>'
            '%s<text:bookmark-end text:name="_Ref%d"/><text:bookmark-end text:name="_Toc%d"/></text:h>'
            % (style, level, n, n, escape(text), n, n)))

    def p(self, *parts, style="Text_20_body", master=None, page_break=False):
        self.body.append([Markup("<text:p text:style-name=\"%s\">" % self._style(style, master, page_break)),
                          list(parts), Markup("</text:p>")])

    def title_page(self, title, subtitle):
        self.p(title, style="Title")
        self.p(subtitle, style="Subtitle")

    def ref(self, key, fmt="text"):
        """A cross-reference to the heading registered under `key`: its text or its page."""
        if fmt not in ("text", "page"):
            raise ValueError(fmt)
        return _Ref("%s\0%s" % (key, fmt))

    def footnote(self, *parts):
        self.notes += 1
        return Markup('<text:note text:id="ftn%d" text:note-class="footnote"><text:note-citation>%d'
                      '</text:note-citation><text:note-body>%s</text:note-body></text:note>'
                      % (self.notes, self.notes, para(*parts, style="Footnote")))

    def text_box(self, paragraphs, width_cm=6.0):
        """A framed text box floating at the right of the paragraph that holds it."""
        self.frames += 1
        for m in re.finditer(r'<text:a [^>]*>(.*?)</text:a>', "".join(paragraphs)):
            self.text_box_links.append(re.sub(r"<[^>]+>", "", m.group(1)))
        return Markup('<draw:frame draw:style-name="fr1" draw:name="Text box %d" text:anchor-type="paragraph"'
                      ' svg:width="%.2fcm" draw:z-index="%d"><draw:text-box fo:min-height="1cm">%s'
                      '</draw:text-box></draw:frame>'
                      % (self.frames, width_cm, self.frames - 1, "".join(paragraphs)))

    def table(self, widths_cm, rows, header=True):
        """A simple bordered table; rows are lists of cell texts or part lists."""
        self.tables += 1
        name = "Table%d" % self.tables
        cols = "".join('<table:table-column table:style-name="%s.C%d"/>' % (name, i)
                       for i in range(len(widths_cm)))
        out = [Markup('<table:table table:name="%s" table:style-name="%s">%s' % (name, name, cols))]
        for r, row in enumerate(rows):
            if r == 0 and header:
                out.append(Markup("<table:table-header-rows>"))
            out.append(Markup("<table:table-row>"))
            for cell in row:
                parts = cell if isinstance(cell, (list, tuple)) else [cell]
                style = "Table_20_Heading" if (r == 0 and header) else "Table_20_Contents"
                out.append([Markup('<table:table-cell table:style-name="Cell" office:value-type="string">'
                                    '<text:p text:style-name="%s">' % style), list(parts),
                             Markup("</text:p></table:table-cell>")])
            out.append(Markup("</table:table-row>"))
            if r == 0 and header:
                out.append(Markup("</table:table-header-rows>"))
        out.append(Markup("</table:table>"))
        self.body.append(out)
        self.__dict__.setdefault("table_widths", {})[name] = widths_cm

    def toc(self, levels=3, title="Contents"):
        """Places the table of contents here (filled in when the document is rendered)."""
        self.toc_levels = levels
        self.toc_title = title
        self.body.append(("TOC",))

    # ---- rendering ---------------------------------------------------------------------

    def _resolve(self, part, pages):
        if isinstance(part, _Ref):
            key, fmt = part.split("\0")
            i = self.keys[key]
            h = self.headings[i]
            if fmt == "text":
                return '<text:bookmark-ref text:reference-format="text" text:ref-name="_Ref%d">%s</text:bookmark-ref>' % (
                    h["n"], escape(h["text"]))
            return '<text:bookmark-ref text:reference-format="page" text:ref-name="_Ref%d">%d</text:bookmark-ref>' % (
                h["n"], pages[i])
        if isinstance(part, Markup):
            return str(part)
        if isinstance(part, (list, tuple)):
            return "".join(self._resolve(x, pages) for x in part)
        return escape(str(part))

    def _toc_xml(self, pages):
        lv = self.toc_levels
        templates = "".join(
            '<text:table-of-content-entry-template text:outline-level="%d" text:style-name="Contents_20_%d">'
            '<text:index-entry-link-start text:style-name="Index_20_Link"/><text:index-entry-chapter/>'
            '<text:index-entry-text/><text:index-entry-tab-stop style:type="right" style:leader-char="."/>'
            '<text:index-entry-page-number/><text:index-entry-link-end/>'
            '</text:table-of-content-entry-template>' % (i, i) for i in range(1, lv + 1))
        entries = "".join(
            '<text:p text:style-name="Contents_20_%d"><text:a xlink:type="simple" xlink:href="#_Toc%d"'
            ' text:style-name="Index_20_Link" text:visited-style-name="Index_20_Link">%s<text:tab/>%d</text:a></text:p>'
            % (h["level"], h["n"], escape(h["text"]), pages[i])
            for i, h in enumerate(self.headings) if h["level"] <= lv)
        return ('<text:table-of-content text:style-name="Sect1" text:protected="true" text:name="Table of Contents1">'
                '<text:table-of-content-source text:outline-level="%d">'
                '<text:index-title-template text:style-name="Contents_20_Heading">%s</text:index-title-template>'
                '%s</text:table-of-content-source><text:index-body>'
                '<text:index-title text:style-name="Sect1" text:name="Table of Contents1_Head">'
                '<text:p text:style-name="Contents_20_Heading">%s</text:p></text:index-title>%s'
                '</text:index-body></text:table-of-content>'
                % (lv, escape(self.toc_title), templates, escape(self.toc_title), entries))

    def render(self, pages=None):
        if pages is None:
            pages = [1] * len(self.headings)
        body = []
        for item in self.body:
            if isinstance(item, tuple) and item == ("TOC",):
                body.append(self._toc_xml(pages))
            else:
                body.append(self._resolve(item, pages))
        ns = " ".join("xmlns:%s=%s" % (k, quoteattr(v)) for k, v in NS.items())
        return ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<office:document %s office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">\n'
                '<office:meta><dc:title>%s</dc:title><meta:generator>Folivane sample generator</meta:generator>'
                '</office:meta>\n%s\n%s\n%s\n%s\n<office:body><office:text>\n%s\n</office:text></office:body>'
                '</office:document>\n'
                % (ns, escape(self.title), self._font_decls(), self._styles(), self._automatic_styles(),
                   self._master_styles(), "\n".join(body)))

    def _font_decls(self):
        fonts = sorted({self.font, self.heading_font, "Liberation Mono"})
        return "<office:font-face-decls>%s</office:font-face-decls>" % "".join(
            '<style:font-face style:name=%s svg:font-family=%s/>' % (quoteattr(f), quoteattr(f)) for f in fonts)

    def _styles(self):
        f, hf = self.font, self.heading_font
        width = self.page[0] - 5.0  # text width of a portrait page (2.5 cm margins)
        heading_sizes = {1: ("18pt", "0.6cm"), 2: ("14pt", "0.45cm"), 3: ("12pt", "0.35cm")}
        s = [
            '<style:default-style style:family="paragraph"><style:paragraph-properties fo:orphans="2" fo:widows="2"/>'
            '<style:text-properties style:font-name="%s" fo:font-size="11pt" fo:language="en" fo:country="US"/>'
            '</style:default-style>' % f,
            '<style:style style:name="Standard" style:family="paragraph" style:class="text"/>',
            '<style:style style:name="Text_20_body" style:display-name="Text body" style:family="paragraph"'
            ' style:parent-style-name="Standard" style:class="text"><style:paragraph-properties'
            ' fo:margin-top="0cm" fo:margin-bottom="0.25cm" fo:line-height="115%"/></style:style>',
            '<style:style style:name="P_body" style:family="paragraph" style:parent-style-name="Standard"/>',
            '<style:style style:name="Code_20_block" style:display-name="Code block" style:family="paragraph"'
            ' style:parent-style-name="Standard"><style:paragraph-properties fo:margin-left="0.6cm"'
            ' fo:margin-top="0cm" fo:margin-bottom="0.25cm" fo:background-color="#f2f2f2"/>'
            '<style:text-properties style:font-name="Liberation Mono" fo:font-size="9.5pt"/></style:style>',
            '<style:style style:name="Title" style:family="paragraph" style:parent-style-name="Standard"'
            ' style:class="chapter"><style:paragraph-properties fo:margin-top="2cm" fo:margin-bottom="0.3cm"/>'
            '<style:text-properties style:font-name="%s" fo:font-size="28pt" fo:font-weight="bold"'
            ' fo:color="#1f4e79"/></style:style>' % hf,
            '<style:style style:name="Subtitle" style:family="paragraph" style:parent-style-name="Standard"'
            ' style:class="chapter"><style:paragraph-properties fo:margin-bottom="0.8cm"/>'
            '<style:text-properties fo:font-size="14pt" fo:font-style="italic" fo:color="#404040"/></style:style>',
            '<style:style style:name="Heading" style:family="paragraph" style:parent-style-name="Standard"'
            ' style:next-style-name="Text_20_body" style:class="text"><style:paragraph-properties'
            ' fo:keep-with-next="always"/><style:text-properties style:font-name="%s" fo:font-weight="bold"'
            ' fo:color="#1f4e79"/></style:style>' % hf,
        ]
        for lv, (size, top) in heading_sizes.items():
            s.append('<style:style style:name="Heading_20_%d" style:display-name="Heading %d" style:family="paragraph"'
                     ' style:parent-style-name="Heading" style:next-style-name="Text_20_body"'
                     ' style:default-outline-level="%d" style:class="text"><style:paragraph-properties'
                     ' fo:margin-top="%s" fo:margin-bottom="0.2cm"/><style:text-properties fo:font-size="%s"/>'
                     '</style:style>' % (lv, lv, lv, top, size))
        s.append('<style:style style:name="Contents_20_Heading" style:display-name="Contents Heading"'
                 ' style:family="paragraph" style:parent-style-name="Standard" style:class="index">'
                 '<style:paragraph-properties fo:margin-top="0.4cm" fo:margin-bottom="0.3cm"/>'
                 '<style:text-properties style:font-name="%s" fo:font-size="16pt" fo:font-weight="bold"'
                 ' fo:color="#1f4e79"/></style:style>' % hf)
        for lv in range(1, 4):
            indent = 0.5 * (lv - 1)
            s.append('<style:style style:name="Contents_20_%d" style:display-name="Contents %d" style:family="paragraph"'
                     ' style:parent-style-name="Standard" style:class="index"><style:paragraph-properties'
                     ' fo:margin-left="%.1fcm" fo:margin-bottom="0.08cm"><style:tab-stops><style:tab-stop'
                     ' style:position="%.2fcm" style:type="right" style:leader-style="dotted" style:leader-text="."/>'
                     '</style:tab-stops></style:paragraph-properties></style:style>' % (lv, lv, indent, width - indent))
        s += [
            '<style:style style:name="Header" style:family="paragraph" style:parent-style-name="Standard"'
            ' style:class="extra"><style:paragraph-properties><style:tab-stops><style:tab-stop style:position="8cm"'
            ' style:type="center"/><style:tab-stop style:position="16cm" style:type="right"/></style:tab-stops>'
            '</style:paragraph-properties><style:text-properties fo:font-size="9pt" fo:color="#595959"/></style:style>',
            '<style:style style:name="Footer" style:family="paragraph" style:parent-style-name="Standard"'
            ' style:class="extra"><style:paragraph-properties fo:text-align="center"/>'
            '<style:text-properties fo:font-size="9pt" fo:color="#595959"/></style:style>',
            '<style:style style:name="Footnote" style:family="paragraph" style:parent-style-name="Standard"'
            ' style:class="extra"><style:paragraph-properties fo:margin-left="0.5cm" fo:text-indent="-0.5cm"/>'
            '<style:text-properties fo:font-size="9pt"/></style:style>',
            '<style:style style:name="Frame_20_contents" style:display-name="Frame contents" style:family="paragraph"'
            ' style:parent-style-name="Standard" style:class="extra"><style:text-properties fo:font-size="10pt"/>'
            '</style:style>',
            '<style:style style:name="Table_20_Contents" style:display-name="Table Contents" style:family="paragraph"'
            ' style:parent-style-name="Standard" style:class="extra"><style:text-properties fo:font-size="10pt"/>'
            '</style:style>',
            '<style:style style:name="Table_20_Heading" style:display-name="Table Heading" style:family="paragraph"'
            ' style:parent-style-name="Table_20_Contents" style:class="extra"><style:text-properties'
            ' fo:font-weight="bold"/></style:style>',
            '<style:style style:name="Internet_20_link" style:display-name="Internet link" style:family="text">'
            '<style:text-properties fo:color="#0563c1" style:text-underline-style="solid"'
            ' style:text-underline-width="auto" style:text-underline-color="font-color"/></style:style>',
            '<style:style style:name="Index_20_Link" style:display-name="Index Link" style:family="text"/>',
            '<style:style style:name="Strong" style:display-name="Strong Emphasis" style:family="text">'
            '<style:text-properties fo:font-weight="bold"/></style:style>',
            '<style:style style:name="Code" style:display-name="Source Text" style:family="text">'
            '<style:text-properties style:font-name="Liberation Mono" fo:font-size="9.5pt"/></style:style>',
            '<style:style style:name="Footnote_20_anchor" style:display-name="Footnote anchor" style:family="text">'
            '<style:text-properties style:text-position="super 58%"/></style:style>',
            '<text:outline-style style:name="Outline">%s</text:outline-style>' % "".join(
                '<text:outline-level-style text:level="%d" style:num-format=""/>' % i for i in range(1, 11)),
            '<text:notes-configuration text:note-class="footnote" text:citation-body-style-name="Footnote_20_anchor"'
            ' style:num-format="1" text:start-value="0" text:footnotes-position="page" text:start-numbering-at="document"/>',
        ]
        return "<office:styles>%s</office:styles>" % "".join(s)

    def _automatic_styles(self):
        s = []
        for name, m in self.masters.items():
            w, h = m["page"]
            if m["landscape"]:
                w, h = h, w
            hs = ('<style:header-style><style:header-footer-properties fo:min-height="0.6cm" fo:margin-bottom="0.4cm"/>'
                  '</style:header-style>' if (m["header"] or m["header_left"] or m["header_first"]) else "")
            fs = ('<style:footer-style><style:header-footer-properties fo:min-height="0.6cm" fo:margin-top="0.4cm"/>'
                  '</style:footer-style>' if m["footer"] else "")
            s.append('<style:page-layout style:name="pl_%s"><style:page-layout-properties fo:page-width="%.2fcm"'
                     ' fo:page-height="%.2fcm" style:print-orientation="%s" fo:margin-top="1.5cm" fo:margin-bottom="1.5cm"'
                     ' fo:margin-left="2.5cm" fo:margin-right="2.5cm"/>%s%s</style:page-layout>'
                     % (name, w, h, "landscape" if m["landscape"] else "portrait", hs, fs))
        for (parent, master, brk), name in self.para_styles.items():
            props = ""
            if brk and not master:
                props = '<style:paragraph-properties fo:break-before="page"/>'
            s.append('<style:style style:name="%s" style:family="paragraph" style:parent-style-name="%s"%s>%s</style:style>'
                     % (name, parent, (' style:master-page-name="%s"' % master) if master else "", props))
        s.append('<style:style style:name="Sect1" style:family="section"><style:section-properties'
                 ' style:editable="false"/></style:style>')
        s.append('<style:style style:name="fr1" style:family="graphic"><style:graphic-properties fo:margin-left="0.3cm"'
                 ' fo:margin-right="0cm" fo:margin-top="0.1cm" fo:margin-bottom="0.2cm" style:wrap="parallel"'
                 ' style:number-wrapped-paragraphs="no-limit" style:vertical-pos="top" style:vertical-rel="paragraph"'
                 ' style:horizontal-pos="right" style:horizontal-rel="paragraph" fo:background-color="#eaf1fb"'
                 ' fo:padding="0.2cm" fo:border="0.06pt solid #1f4e79"/></style:style>')
        for name, widths in getattr(self, "table_widths", {}).items():
            s.append('<style:style style:name="%s" style:family="table"><style:table-properties style:width="%.2fcm"'
                     ' table:align="left" fo:margin-top="0.1cm" fo:margin-bottom="0.35cm"/></style:style>'
                     % (name, sum(widths)))
            for i, w in enumerate(widths):
                s.append('<style:style style:name="%s.C%d" style:family="table-column"><style:table-column-properties'
                         ' style:column-width="%.2fcm"/></style:style>' % (name, i, w))
        s.append('<style:style style:name="Cell" style:family="table-cell"><style:table-cell-properties'
                 ' fo:padding="0.08cm" fo:border="0.5pt solid #808080"/></style:style>')
        return "<office:automatic-styles>%s</office:automatic-styles>" % "".join(s)

    def _master_styles(self):
        out = []
        for name, m in self.masters.items():
            parts = []
            for tag in ("header", "header_left", "header_first", "footer"):
                if m[tag]:
                    parts.append("<style:%s>%s</style:%s>" % (tag.replace("_", "-"), "".join(m[tag]),
                                                              tag.replace("_", "-")))
            out.append('<style:master-page style:name="%s" style:page-layout-name="pl_%s">%s</style:master-page>'
                       % (name, name, "".join(parts)))
        return "<office:master-styles>%s</office:master-styles>" % "".join(out)


# ---- conversion ------------------------------------------------------------------------------


class Office:
    """Runs `soffice --convert-to` with a private profile, so that it never meets another
    running office instance of the same user."""

    def __init__(self):
        if not shutil.which("soffice"):
            raise SystemExit("soffice not found: install libreoffice-writer")
        self.profile = tempfile.mkdtemp(prefix="fv-office-")

    def close(self):
        shutil.rmtree(self.profile, ignore_errors=True)

    def convert(self, src, fmt, outdir):
        os.makedirs(outdir, exist_ok=True)
        cmd = ["soffice", "-env:UserInstallation=file://" + self.profile, "--headless", "--norestore",
               "--nolockcheck", "--convert-to", fmt, "--outdir", outdir, src]
        subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ext = fmt.split(":")[0]
        out = os.path.join(outdir, os.path.splitext(os.path.basename(src))[0] + "." + ext)
        if not os.path.exists(out):
            raise SystemExit("conversion failed: %s -> %s" % (src, fmt))
        return out


def outline_pages(pdf):
    """The outline of a PDF as (title, page) pairs in document order, read with qpdf."""
    data = json.loads(subprocess.run(["qpdf", "--json", "--json-key=outlines", pdf], check=True,
                                     stdout=subprocess.PIPE).stdout)
    out = []

    def walk(items):
        for item in items:
            out.append((item["title"], item["destpageposfrom1"]))
            walk(item["kids"])

    walk(data["outlines"])
    return out


def heading_pages(doc, office, pdf_from, workdir):
    """Exports `pdf_from` to PDF and returns the page of every heading of `doc`."""
    pdf = office.convert(pdf_from, "pdf", workdir)
    found = outline_pages(pdf)
    titles = [h["text"] for h in doc.headings]
    if [t for t, _ in found] != titles:
        raise SystemExit("outline of %s does not match the headings:\n%s\n%s" % (pdf, [t for t, _ in found], titles))
    return [p for _, p in found]


def relink_text_boxes(docx_path, texts):
    """The office's .docx export moves a link inside a text box out onto the box's anchor in
    the body (the link then wraps the whole drawing, and the box's text is plain). Puts each
    such link back around its text inside the box, where a word processor keeps it."""
    if not texts:
        return
    with zipfile.ZipFile(docx_path) as z:
        parts = {name: z.read(name) for name in z.namelist()}
        order = z.namelist()
    xml = parts["word/document.xml"].decode("utf-8")

    def fix(m):
        attrs, content = m.group(1), m.group(2)
        if "<w:txbxContent>" not in content:
            return m.group(0)
        for text in texts:
            run = re.compile(r"(<w:r>(?:(?!</w:r>).)*?<w:t(?: [^>]*)?>%s</w:t></w:r>)" % re.escape(escape(text)),
                             re.S)
            content = run.sub(lambda r: "<w:hyperlink%s>%s</w:hyperlink>" % (attrs, r.group(1)), content)
        return content

    xml = re.sub(r"<w:hyperlink([^>]*)>((?:(?!</w:hyperlink>).)*?<w:txbxContent>.*?)</w:hyperlink>", fix, xml,
                 flags=re.S)
    parts["word/document.xml"] = xml.encode("utf-8")
    tmp = docx_path + ".tmp"
    with zipfile.ZipFile(tmp, "w", zipfile.ZIP_DEFLATED) as z:
        for name in order:
            z.writestr(name, parts[name])
    os.replace(tmp, docx_path)


def build(doc, fodt_path, formats=("docx", "doc"), check=True):
    """Writes `fodt_path` with a filled-in table of contents and converts it into each format
    beside it. The page numbers are those of the first format as the office lays it out (a
    converted document can break pages slightly differently from the flat ODT); with `check`,
    the other formats must agree, else a warning is printed."""
    outdir = os.path.dirname(os.path.abspath(fodt_path))
    office = Office()
    work = tempfile.mkdtemp(prefix="fv-build-")
    try:
        with open(fodt_path, "w", encoding="utf-8") as f:
            f.write(doc.render())
        pages = heading_pages(doc, office, fodt_path, work)
        results = {}
        for _ in range(4):  # settle: filled-in numbers could move a page break
            with open(fodt_path, "w", encoding="utf-8") as f:
                f.write(doc.render(pages))
            results[formats[0]] = office.convert(fodt_path, formats[0], outdir)
            again = heading_pages(doc, office, results[formats[0]], os.path.join(work, formats[0]))
            if again == pages:
                break
            pages = again
        else:
            raise SystemExit("%s: heading pages do not settle: %s" % (results[formats[0]], pages))
        for fmt in formats[1:]:
            results[fmt] = office.convert(fodt_path, fmt, outdir)
            if check:
                got = heading_pages(doc, office, results[fmt], os.path.join(work, fmt))
                if got != pages:
                    print("warning: %s lays out its headings on pages %s, its table of contents says %s"
                          % (results[fmt], got, pages), file=sys.stderr)
        for path in results.values():
            if path.endswith(".docx"):
                relink_text_boxes(path, doc.text_box_links)
        return pages, results
    finally:
        office.close()
        shutil.rmtree(work, ignore_errors=True)
