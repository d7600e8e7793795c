#define POINTERHOLDER_TRANSITION 4  // the std::shared_ptr interface only
#include "PdfReadBack.h"

#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-page.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAnnotationObjectHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <stdexcept>

namespace vane::test {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

double number(QPDFObjectHandle o) {
    return o.isNumber() ? o.getNumericValue() : kNone;
}

int page_number(QPDFObjectHandle page, const std::vector<QPDFObjectHandle>& pages) {
    if (!page.isIndirect()) return 0;
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (page.getObjGen() == pages[i].getObjGen()) return static_cast<int>(i) + 1;
    return 0;
}

// [page /XYZ left top zoom] into page, x, y.
void read_dest(QPDFObjectHandle dest, const std::vector<QPDFObjectHandle>& pages, int& page, double& x,
               double& y) {
    page = 0;
    x = y = kNone;
    if (!dest.isArray() || dest.getArrayNItems() < 1) return;
    page = page_number(dest.getArrayItem(0), pages);
    if (dest.getArrayNItems() >= 4 && dest.getArrayItem(1).isName() &&
        dest.getArrayItem(1).getName() == "/XYZ") {
        x = number(dest.getArrayItem(2));
        y = number(dest.getArrayItem(3));
    }
}

void walk(QPDFOutlineDocumentHelper& doc, QPDFOutlineObjectHelper& item, int depth,
          const std::vector<QPDFObjectHandle>& pages, std::vector<PdfOutlineItem>& out) {
    PdfOutlineItem e;
    e.title = item.getTitle();
    e.depth = depth;
    e.count = item.getObjectHandle().getKey("/Count").isInteger() ? item.getCount() : 0;
    QPDFObjectHandle dest = item.getDest();
    if (dest.isName() || dest.isString()) dest = doc.resolveNamedDest(dest);
    read_dest(dest, pages, e.page, e.x, e.y);
    std::vector<QPDFOutlineObjectHelper> kids = item.getKids();
    e.children = static_cast<int>(kids.size());
    out.push_back(e);
    for (QPDFOutlineObjectHelper& kid : kids) walk(doc, kid, depth + 1, pages, out);
}

void read_structure(const std::string& path, const std::string& unrotated, PdfReadBack& r) {
    QPDF pdf;
    pdf.processFile(path.c_str());
    std::vector<QPDFObjectHandle> pageObjects;
    QPDFOutlineDocumentHelper outlines(pdf);
    QPDFPageDocumentHelper pageHelper(pdf);
    std::vector<QPDFPageObjectHelper> all = pageHelper.getAllPages();
    for (QPDFPageObjectHelper& page : all) pageObjects.push_back(page.getObjectHandle());
    for (std::size_t i = 0; i < all.size(); ++i) {
        PdfPage p;
        QPDFObjectHandle::Rectangle media = all[i].getMediaBox().getArrayAsRectangle();
        p.width = media.urx - media.llx;
        p.height = media.ury - media.lly;
        p.left = media.llx;
        p.bottom = media.lly;
        QPDFObjectHandle rotate = all[i].getAttribute("/Rotate", false);
        p.rotate = rotate.isInteger() ? rotate.getIntValueAsInt() : 0;
        r.pages.push_back(p);
        for (QPDFAnnotationObjectHelper& annot : all[i].getAnnotations("/Link")) {
            PdfLink l;
            l.page = static_cast<int>(i) + 1;
            QPDFObjectHandle::Rectangle rect = annot.getRect();
            l.rect = {std::min(rect.llx, rect.urx), std::min(rect.lly, rect.ury),
                      std::max(rect.llx, rect.urx), std::max(rect.lly, rect.ury)};
            QPDFObjectHandle a = annot.getObjectHandle();
            QPDFObjectHandle action = a.getKey("/A");
            QPDFObjectHandle dest = a.getKey("/Dest");
            if (action.isDictionary() && action.getKey("/URI").isString())
                l.uri = action.getKey("/URI").getUTF8Value();
            if (action.isDictionary() && action.hasKey("/D")) dest = action.getKey("/D");
            if (dest.isName() || dest.isString()) dest = outlines.resolveNamedDest(dest);
            read_dest(dest, pageObjects, l.destPage, l.x, l.y);
            r.links.push_back(l);
        }
    }
    for (QPDFOutlineObjectHelper& top : outlines.getTopLevelOutlines())
        walk(outlines, top, 1, pageObjects, r.outline);
    if (unrotated.empty()) return;
    // The copy without /Rotate gives the glyph boxes in the stored page space.
    for (QPDFPageObjectHelper& page : all) page.getObjectHandle().removeKey("/Rotate");
    QPDFWriter writer(pdf, unrotated.c_str());
    writer.write();
}

std::string utf8(const poppler::ustring& s) {
    poppler::byte_array bytes = s.to_utf8();
    return std::string(bytes.begin(), bytes.end());
}

void read_glyphs(const std::string& unrotated, PdfReadBack& r) {
    std::unique_ptr<poppler::document> doc(poppler::document::load_from_file(unrotated));
    if (!doc) throw std::runtime_error("poppler cannot read " + unrotated);
    for (int i = 0; i < doc->pages() && i < static_cast<int>(r.pages.size()); ++i) {
        std::unique_ptr<poppler::page> page(doc->create_page(i));
        const double h = page->page_rect(poppler::media_box).height();
        for (const poppler::text_box& word : page->text_list()) {
            const poppler::ustring text = word.text();
            for (std::size_t c = 0; c < text.size(); ++c) {
                const poppler::rectf b = word.char_bbox(c);
                Glyph g;
                g.text = utf8(poppler::ustring(1, text[c]));
                g.box = {b.left(), h - b.bottom(), b.right(), h - b.top()};
                g.spaceAfter = c + 1 == text.size() && word.has_space_after();
                r.pages[i].glyphs.push_back(g);
            }
        }
    }
}

}  // namespace

PdfReadBack read_back(const std::string& pdf, const std::string& scratch) {
    PdfReadBack r;
    read_structure(pdf, scratch, r);
    read_glyphs(scratch, r);
    return r;
}

PdfReadBack read_marks(const std::string& pdf) {
    PdfReadBack r;
    read_structure(pdf, "", r);
    return r;
}

namespace {

// Why the point (x, y) is not on `page`; empty when it is. NaN stands for a
// coordinate the destination leaves unchanged.
std::string off(const PdfPage& page, double x, double y, double slack) {
    char text[160];
    const bool xOff = !std::isnan(x) && (x < page.left - slack || x > page.left + page.width + slack);
    const bool yOff = !std::isnan(y) && (y < page.bottom - slack || y > page.bottom + page.height + slack);
    if (!xOff && !yOff) return {};
    std::snprintf(text, sizeof text, "(%.1f, %.1f) outside [%.1f %.1f %.1f %.1f]", x, y, page.left,
                  page.bottom, page.left + page.width, page.bottom + page.height);
    return text;
}

std::string page_missing(int page, std::size_t pages) {
    return "page " + std::to_string(page) + " is not among the " + std::to_string(pages) + " pages";
}

}  // namespace

std::vector<OffPageMark> off_page_marks(const PdfReadBack& pdf, double slack) {
    std::vector<OffPageMark> found;
    const auto pageAt = [&pdf](int page) -> const PdfPage* {
        return page >= 1 && page <= static_cast<int>(pdf.pages.size()) ? &pdf.pages[page - 1] : nullptr;
    };
    for (std::size_t i = 0; i < pdf.outline.size(); ++i) {
        const PdfOutlineItem& item = pdf.outline[i];
        const int number = static_cast<int>(i + 1);
        const PdfPage* page = pageAt(item.page);
        if (page == nullptr) {
            found.push_back({OffPageMark::OutlineDestination, number, item.page,
                             page_missing(item.page, pdf.pages.size())});
            continue;
        }
        const std::string why = off(*page, item.x, item.y, slack);
        if (!why.empty()) found.push_back({OffPageMark::OutlineDestination, number, item.page, why});
    }
    for (std::size_t i = 0; i < pdf.links.size(); ++i) {
        const PdfLink& link = pdf.links[i];
        const int number = static_cast<int>(i + 1);
        const PdfPage* page = pageAt(link.page);
        if (page == nullptr) {
            found.push_back(
                {OffPageMark::LinkRectangle, number, link.page, page_missing(link.page, pdf.pages.size())});
            continue;
        }
        std::string why = off(*page, link.rect.left, link.rect.bottom, slack);
        if (why.empty()) why = off(*page, link.rect.right, link.rect.top, slack);
        if (!why.empty()) found.push_back({OffPageMark::LinkRectangle, number, link.page, why});
        if (!link.uri.empty()) continue;
        const PdfPage* target = pageAt(link.destPage);
        if (target == nullptr) {
            found.push_back({OffPageMark::LinkDestination, number, link.destPage,
                             page_missing(link.destPage, pdf.pages.size())});
            continue;
        }
        why = off(*target, link.x, link.y, slack);
        if (!why.empty()) found.push_back({OffPageMark::LinkDestination, number, link.destPage, why});
    }
    return found;
}

std::string describe(const OffPageMark& mark) {
    static const char* const kinds[] = {"outline entry", "link rectangle", "link destination"};
    return std::string(kinds[mark.kind]) + " " + std::to_string(mark.number) + " on page " +
           std::to_string(mark.page) + ": " + mark.why;
}

std::string squeeze_blanks(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t' && c != '\f') out += c;
    return out;
}

std::vector<const Glyph*> glyphs_inside(const PdfPage& page, const Box& rect, double slack) {
    std::vector<const Glyph*> out;
    for (const Glyph& g : page.glyphs) {
        const double cx = (g.box.left + g.box.right) / 2, cy = (g.box.bottom + g.box.top) / 2;
        if (cx >= rect.left - slack && cx <= rect.right + slack && cy >= rect.bottom - slack &&
            cy <= rect.top + slack)
            out.push_back(&g);
    }
    return out;
}

std::string text_of(const std::vector<const Glyph*>& glyphs) {
    std::string out;
    for (const Glyph* g : glyphs) out += g->text;
    return out;
}

Box union_of(const std::vector<const Glyph*>& glyphs) {
    Box b{1e9, 1e9, -1e9, -1e9};
    for (const Glyph* g : glyphs) {
        b.left = std::min(b.left, g->box.left);
        b.bottom = std::min(b.bottom, g->box.bottom);
        b.right = std::max(b.right, g->box.right);
        b.top = std::max(b.top, g->box.top);
    }
    return b;
}

std::vector<std::vector<const Glyph*>> find_text(const PdfPage& page, const std::string& text) {
    const std::string wanted = squeeze_blanks(text);
    std::vector<std::vector<const Glyph*>> runs;
    if (wanted.empty()) return runs;
    std::vector<const Glyph*> seq;
    for (const Glyph& g : page.glyphs)
        if (!squeeze_blanks(g.text).empty()) seq.push_back(&g);
    for (std::size_t start = 0; start < seq.size(); ++start) {
        std::string got;
        std::size_t end = start;
        while (end < seq.size() && got.size() < wanted.size()) got += seq[end++]->text;
        if (got == wanted)
            runs.emplace_back(seq.begin() + static_cast<long>(start), seq.begin() + static_cast<long>(end));
    }
    return runs;
}

}  // namespace vane::test
