"""The parts of a .docx that the fixture generators write alike: the namespaces,
the package relationship, the styles every document starts from, and the
paragraph, run, field and bookmark markup."""

from xml.sax.saxutils import escape

W = 'xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" ' \
    'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'

ROOT_RELS = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>
</Relationships>"""

FILLER = "Filler text of a known length that fills the page before the next part begins. "


def styles(extra):
    """styles.xml: 11-point Liberation Serif, Normal and a bold Heading1 of outline level 1,
    then the styles in `extra`."""
    return """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles %s>
<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Liberation Serif" w:hAnsi="Liberation Serif"/>
<w:sz w:val="22"/></w:rPr></w:rPrDefault></w:docDefaults>
<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style>
<w:style w:type="paragraph" w:styleId="Heading1"><w:name w:val="heading 1"/><w:basedOn w:val="Normal"/>
<w:pPr><w:keepNext/><w:outlineLvl w:val="0"/></w:pPr><w:rPr><w:b/><w:sz w:val="32"/></w:rPr></w:style>
%s</w:styles>""" % (W, extra)


def run(text):
    return '<w:r><w:t xml:space="preserve">%s</w:t></w:r>' % escape(text)


def field(code, result):
    return ('<w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText xml:space="preserve">%s</w:instrText></w:r>'
            '<w:r><w:fldChar w:fldCharType="separate"/></w:r>%s<w:r><w:fldChar w:fldCharType="end"/></w:r>'
            % (escape(code), run(result)))


def para(*parts, style=None, page_break=False):
    ppr = ""
    if style or page_break:
        ppr = "<w:pPr>%s%s</w:pPr>" % ('<w:pStyle w:val="%s"/>' % style if style else "",
                                        "<w:pageBreakBefore/>" if page_break else "")
    return "<w:p>%s%s</w:p>" % (ppr, "".join(parts))


def bookmark(ident, name, *parts):
    return ('<w:bookmarkStart w:id="%d" w:name="%s"/>%s<w:bookmarkEnd w:id="%d"/>'
            % (ident, name, "".join(parts), ident))


def content_types(*parts):
    """[Content_Types].xml: the document and its styles, then each (file name, kind) of word/,
    kind being the last word of its content type (footnotes, header, ...)."""
    overrides = "".join('<Override PartName="/word/%s" ContentType="application/vnd.openxmlformats-officedocument.'
                        'wordprocessingml.%s+xml"/>\n' % part for part in parts)
    return """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>
<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>
%s</Types>""" % overrides


def document_rels(*parts, extra=""):
    """word/_rels/document.xml.rels: rId1 the styles, then each (kind, target) as rId2, rId3, ...,
    then the relationships written in `extra`."""
    rows = "".join('<Relationship Id="rId%d" Type="http://schemas.openxmlformats.org/officeDocument/2006/'
                   'relationships/%s" Target="%s"/>\n' % (number, kind, target)
                   for number, (kind, target) in enumerate(parts, start=2))
    return """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>
%s%s</Relationships>""" % (rows, extra)
