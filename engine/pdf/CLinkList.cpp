#include "pdf/CLinkList.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>
#include <stdexcept>

#include "frame/File.h"
#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "frame/TextUtil.h"
#include "pdf/CRegionList.h"
#include "pdf/Destination.h"
#include "pdf/LinkText.h"
#include "pdf/PageBox.h"
#include "pdf/PageOrientation.h"
#include "pdf/ReferenceLinks.h"
#include "word/BookmarkNames.h"
#include "word/CDocinfo.h"
#include "word/Word.h"

namespace vane {

namespace {

// The range of the bookmark `name`; null when the go-to fails or lands nowhere.
std::unique_ptr<word::Range> go_to_bookmark(word::Selection& selection, const std::string& name) {
    try {
        return selection.goToBookmark(name);
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::string without_trailing_blanks(const std::string& name) {
    const std::size_t end = name.find_last_not_of(" \t");
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

msg::Id message_of(LinkType type) {
    switch (type) {
        case LinkType::Toc:
            return msg::kTocLinkEntry;
        case LinkType::Internal:
            return msg::kInternalLinkEntry;
        case LinkType::Url:
            return msg::kUrlLinkEntry;
    }
    return msg::kUrlLinkEntry;
}

// True unless `points` (a section's page width or height) is a real size and
// the page `index` of `sizes` (hundredths of a point) differs from it by more
// than a point; pages whose size is not known are not told apart.
bool same_size(float points, const std::vector<std::uint32_t>& sizes, std::size_t index) {
    if (points <= 0 || points >= static_cast<float>(word::kUndefined) || index >= sizes.size()) return true;
    return std::fabs(static_cast<double>(sizes[index]) / 100.0 - static_cast<double>(points)) <= 1.0;
}

// True when the link's rectangle lies on its page and, for a link inside the
// document, its destination on the destination page; otherwise says why in
// verbose output. `number` is the link's 1-based place in the list.
bool on_its_pages(const CDocinfo& docinfo, const CLink& link, int number, bool internal) {
    const PageBox source(docinfo, link.page);
    if (!source.known()) {
        print_verbose(msg::kLinkPageSizeUnknown, number, link.page);
        return false;
    }
    if (!source.holdsRect(link.left, link.bottom, link.right, link.top)) {
        print_verbose(msg::kLinkRectOffPage, number, link.left, link.bottom, link.right, link.top, link.page,
                      source.width(), source.height());
        return false;
    }
    if (!internal) return true;
    const PageBox target(docinfo, link.destPage);
    if (!target.known()) {
        print_verbose(msg::kLinkPageSizeUnknown, number, link.destPage);
        return false;
    }
    if (!target.holdsY(link.destY)) {
        print_verbose(msg::kLinkDestinationOffPage, number, link.destY, link.destPage, target.height());
        return false;
    }
    return true;
}

}  // namespace

CLinkList::~CLinkList() {
    clear();
}

void CLinkList::clear() {
    links.clear();
}

CLink& CLinkList::add(std::int32_t page, LinkType type, const CRegion& region, const std::string& dest) {
    auto link = std::make_unique<CLink>(page, type, region);
    link->dest = dest;
    links.push_back(std::move(link));
    CLink& l = *links.back();
    print_verbose(message_of(type), static_cast<int>(links.size()), l.page, l.top, l.left, l.dest.c_str());
    return l;
}

void CLinkList::addTocLinks(const CRegionList& regions, const std::string& dest) {
    for (const auto& region : regions.regions) {
        if (region->page != -1) add(region->page, LinkType::Toc, *region, dest);
    }
}

void CLinkList::extractTocLinks(word::Application& application, word::Document& document) {
    print_verbose(msg::kTocLinks);
    bool tocStarted = false;
    bool tocHyperlinks = false;
    std::int32_t pageHint = 1;
    std::optional<float> lineHeight;  // the first entry's font size, every entry's line height

    const auto selection = application.selection();
    const auto fields = document.fields();
    const int count = fields->count();
    std::unique_ptr<word::Field> field = count > 0 ? fields->item(1) : nullptr;
    for (int i = 1; field != nullptr; ++i) {
        const int type = field->type();
        if (type == word::kFieldToc) {
            tocStarted = true;
            tocHyperlinks = false;
            if (auto next = field->next()) {
                if (next->type() == word::kFieldHyperlink) tocHyperlinks = true;
                if (auto after = next->next()) {
                    if (after->type() == word::kFieldHyperlink) tocHyperlinks = true;
                }
            }
        } else if (type == word::kFieldRef || type == word::kFieldPageRef || type == word::kFieldNoteRef) {
            const std::string name = reference_field_target(field->code()->text());
            if (is_toc_bookmark(name)) {
                // Stretch the selection from the page number to the clickable line.
                field->select();
                if (tocHyperlinks && tocStarted) {
                    selection->moveEnd(word::kUnitParagraph, 1);
                    selection->moveEnd(word::kUnitCharacter, -1);
                    tocStarted = false;
                } else if (tocHyperlinks) {
                    selection->collapse(word::kCollapseEnd);
                    selection->homeKey(word::kUnitLine, word::kExtend);
                } else if (tocStarted) {
                    selection->move(word::kUnitParagraph, -1);
                    selection->move(word::kUnitCharacter, 1);
                    selection->moveEnd(word::kUnitParagraph, 1);
                    selection->moveEnd(word::kUnitCharacter, -1);
                    tocStarted = false;
                } else {
                    selection->moveStart(word::kUnitParagraph, -1);
                }
                CRegionList regions;
                regions.measureTocLine(*selection, docinfo, pageHint, &lineHeight);
                addTocLinks(regions, name);
            }
        }
        if (i >= count) break;
        field = field->next();
    }
    if (links.empty()) print_verbose(msg::kNoTocLinks);
}

std::vector<std::int32_t> CLinkList::replicatedPages(Placement placement, const SectionLayout& layout) const {
    std::vector<std::int32_t> pages;
    std::int32_t first = 1;
    std::int32_t step = 1;
    if (placement == Placement::FirstPage) {
        return {1};
    } else if (placement == Placement::EvenPages) {
        first = 2;
        step = 2;
    } else {
        step = docinfo.oddAndEvenPages != 0 ? 2 : 1;
        if (docinfo.differentFirstPage != 0) first = docinfo.oddAndEvenPages != 0 ? 3 : 2;
    }
    for (std::int32_t page = first; page <= docinfo.pageCount; page += step) {
        // A section's header never shows on a page of another orientation: its
        // rectangle, measured on the section's own pages, would land on unrelated text.
        const auto index = static_cast<std::size_t>(page - 1);
        const int orientation = layout.orientation;
        if ((orientation == word::kPortrait || orientation == word::kLandscape) &&
            index < docinfo.pageOrientations.size() &&
            docinfo.pageOrientations[index] != static_cast<std::uint32_t>(orientation)) {
            continue;
        }
        // Nor on a page of another size: a Letter section's header sits
        // elsewhere on an A4 page, or off it.
        if (!same_size(layout.width, docinfo.pageWidths, index) ||
            !same_size(layout.height, docinfo.pageHeights, index)) {
            continue;
        }
        pages.push_back(page);
    }
    return pages;
}

void CLinkList::readHyperlink(word::Hyperlink& hyperlink, word::Selection& selection, bool bodyPass,
                              std::int32_t& pageHint, Placement placement, const SectionLayout& layout) {
    std::string address;
    try {
        address = hyperlink.address();
    } catch (const std::exception&) {
    }
    if (!bodyPass) address = ascii_lower(address);
    std::string target;
    if (address.empty()) {
        try {
            target = hyperlink.subAddress();
        } catch (const std::exception&) {
        }
        if (is_toc_bookmark(target)) target.clear();  // left to the table-of-contents pass
    }
    int kind = -1;
    try {
        kind = hyperlink.type();
    } catch (const std::exception&) {
    }
    if (kind != word::kHyperlinkRange && kind != word::kHyperlinkShape) return;
    if (!target.empty() || (!address.empty() && is_known_url(address))) {
        CRegionList regions;
        const auto measure = [&] {
            if (kind == word::kHyperlinkRange) {
                hyperlink.range()->select();
                regions.measureSelection(selection, docinfo, pageHint, nullptr);
            } else {
                const auto shape = hyperlink.shape();
                shape->select();
                regions.measureShape(docinfo, *shape, selection, pageHint);
            }
        };
        if (bodyPass) {
            try {
                measure();
            } catch (const std::exception&) {
                regions.clear();
            }
        } else {
            measure();
        }
        const LinkType type = target.empty() ? LinkType::Url : LinkType::Internal;
        const std::string& dest = target.empty() ? address : target;
        for (const auto& region : regions.regions) {
            if (region->page == -1) continue;
            if (placement == Placement::Measured) {
                add(region->page, type, *region, dest);
            } else if (placement == Placement::Footnote) {
                hyperlink.range()->select();
                const auto page =
                    static_cast<std::int32_t>(selection.information(word::kInfoActiveEndPageNumber));
                // A page the document information does not know (-1, or past
                // the last page) has no geometry to place the link on.
                if (page >= 1 && page <= docinfo.pageCount) add(page, type, *region, dest);
            } else {
                for (std::int32_t page : replicatedPages(placement, layout)) add(page, type, *region, dest);
            }
        }
    }
}

void CLinkList::bodyPass(word::Document& document, word::Selection& selection) {
    print_verbose(msg::kDocumentLinks);
    std::int32_t pageHint = 1;
    const auto hyperlinks = document.hyperlinks();
    const int count = hyperlinks->count();
    for (int i = 1; i <= count; ++i) {
        readHyperlink(*hyperlinks->item(i), selection, true, pageHint, Placement::Measured, {});
    }
}

void CLinkList::shapePass(word::Document& document, word::Selection& selection) {
    print_verbose(msg::kShapeLinks);
    std::int32_t pageHint = 1;
    const auto shapes = document.shapes();
    const int count = shapes->count();
    for (int i = 1; i <= count; ++i) {
        const auto shape = shapes->item(i);
        if (shape->type() != word::kShapeTextBox) continue;
        const auto hyperlinks = shape->textFrame()->textRange()->hyperlinks();
        const int links = hyperlinks->count();
        for (int j = 1; j <= links; ++j) {
            readHyperlink(*hyperlinks->item(j), selection, false, pageHint, Placement::Measured, {});
        }
    }
}

void CLinkList::footnotePass(word::Document& document, word::Selection& selection) {
    print_verbose(msg::kFootnoteLinks);
    std::int32_t pageHint = 1;
    const auto footnotes = document.footnotes();
    const int count = footnotes->count();
    for (int i = 1; i <= count; ++i) {
        const auto hyperlinks = footnotes->item(i)->range()->hyperlinks();
        const int links = hyperlinks->count();
        for (int j = 1; j <= links; ++j) {
            readHyperlink(*hyperlinks->item(j), selection, false, pageHint, Placement::Footnote, {});
        }
    }
}

std::unique_ptr<word::Range> CLinkList::HeaderFooterVisit::range() const {
    const auto collection = header ? section.headers() : section.footers();
    return collection->item(index)->range();
}

void CLinkList::visitHeadersFooters(word::Document& document,
                                    const std::function<void(const HeaderFooterVisit&)>& visit) const {
    const auto view = document.activeWindow()->activePane()->view();
    view->setType(word::kViewPrintLayout);
    view->setSeekView(word::kSeekPrimaryHeader);

    struct Story {
        bool header;
        int index;
        Placement placement;
        msg::Id message;
    };
    const Story stories[] = {
        {true, word::kHeaderFooterFirstPage, Placement::FirstPage, msg::kFirstPageHeaderLinks},
        {true, word::kHeaderFooterEvenPages, Placement::EvenPages, msg::kEvenPageHeaderLinks},
        {true, word::kHeaderFooterPrimary, Placement::Primary, msg::kPrimaryHeaderLinks},
        {false, word::kHeaderFooterFirstPage, Placement::FirstPage, msg::kFirstPageFooterLinks},
        {false, word::kHeaderFooterEvenPages, Placement::EvenPages, msg::kEvenPageFooterLinks},
        {false, word::kHeaderFooterPrimary, Placement::Primary, msg::kPrimaryFooterLinks},
    };
    const auto sections = document.sections();
    const int count = sections->count();
    for (int s = 1; s <= count; ++s) {
        const auto section = sections->item(s);
        const auto setup = section->pageSetup();
        SectionLayout layout;
        layout.orientation = setup->orientation();
        layout.width = setup->pageWidth();
        layout.height = setup->pageHeight();
        for (const Story& story : stories) {
            if (story.placement == Placement::FirstPage && docinfo.differentFirstPage == 0) continue;
            if (story.placement == Placement::EvenPages && docinfo.oddAndEvenPages == 0) continue;
            visit({*section, story.header, story.index, story.placement, layout, story.message});
        }
    }
    view->setSeekView(word::kSeekMainDocument);
}

void CLinkList::headerFooterPass(word::Document& document, word::Selection& selection) {
    print_verbose(msg::kHeaderFooterLinks);
    std::int32_t pageHint = 1;
    visitHeadersFooters(document, [&](const HeaderFooterVisit& visit) {
        print_verbose(visit.message);
        const auto hyperlinks = visit.range()->hyperlinks();
        const int links = hyperlinks->count();
        for (int j = 1; j <= links; ++j) {
            readHyperlink(*hyperlinks->item(j), selection, false, pageHint, visit.placement, visit.layout);
        }
    });
}

void CLinkList::extractOtherLinks(word::Document& document, word::Application& application) {
    print_verbose(msg::kOtherLinks);
    const auto selection = application.selection();
    bodyPass(document, *selection);
    // Each of the other parts stops at its first failure; what it found stays.
    try {
        shapePass(document, *selection);
    } catch (const std::exception& error) {
        print_verbose(msg::kLinkPartStopped, error.what());
    }
    try {
        footnotePass(document, *selection);
    } catch (const std::exception& error) {
        print_verbose(msg::kLinkPartStopped, error.what());
    }
    try {
        headerFooterPass(document, *selection);
    } catch (const std::exception& error) {
        print_verbose(msg::kLinkPartStopped, error.what());
    }
}

void CLinkList::extractCrossReferences(word::Document& document, word::Application& application) {
    const auto selection = application.selection();
    ReferenceLinks walk(*this);
    try {
        walk.fieldPass(document, *selection);
    } catch (const std::exception& error) {
        print_verbose(msg::kLinkPartStopped, error.what());
    }
    walk.storyFieldPass(document, *selection);
    for (bool endnotes : {false, true}) {
        try {
            walk.notePass(document, *selection, endnotes);
        } catch (const std::exception& error) {
            print_verbose(msg::kLinkPartStopped, error.what());
        }
    }
}

void CLinkList::resolveDestinations(word::Application& application) {
    print_verbose(msg::kLinkDestinations);
    std::int32_t pageHint = 1;
    const auto selection = application.selection();
    for (size_t i = 0; i < links.size(); ++i) {
        CLink& link = *links[i];
        if ((link.type != LinkType::Toc && link.type != LinkType::Internal) || link.dest.empty()) continue;
        if (link.destPage > 0) continue;
        std::unique_ptr<word::Range> target = go_to_bookmark(*selection, link.dest);
        // A page reference without "\h" leaves the blank after the name in
        // the destination: try once more without trailing blanks.
        if (target == nullptr) {
            const std::string trimmed = without_trailing_blanks(link.dest);
            if (!trimmed.empty() && trimmed != link.dest) target = go_to_bookmark(*selection, trimmed);
        }
        if (target == nullptr) continue;
        const int start = target->start();
        const float v = selection_vertical_position(*selection);
        const std::int32_t index = docinfo.pageIndexOf(pageHint - 1, start);
        if (index >= 0) {
            link.destPage = index + 1;
            pageHint = link.destPage;
        }
        // Measured against the height of the target's own page: the previous
        // destination's page may be of another size or orientation.
        link.destY = destination_y(v, docinfo.pageHeight(pageHint));
        print_verbose(msg::kLinkDestinationEntry, static_cast<int>(i + 1), link.destPage, link.destY);
    }
}

bool CLinkList::writeAnnotations(const std::string& markFile) const {
    if (links.empty()) return true;
    File file = File::open(markFile.c_str(), "ab");
    if (!file.isOpen()) return false;
    for (std::size_t i = 0; i < links.size(); ++i) {
        const CLink& link = *links[i];
        if (link.type != LinkType::Toc && link.type != LinkType::Internal && link.type != LinkType::Url) {
            continue;
        }
        if (link.page <= 0) continue;
        const bool internal = link.type != LinkType::Url;
        if (internal && link.destPage <= 0) continue;
        // A rectangle or destination off its page is a measuring fault: no mark at all beats a dead one.
        if (!on_its_pages(docinfo, link, static_cast<int>(i + 1), internal)) continue;

        char rect[96];
        if (is_landscape_known_page(docinfo.pageOrientations, link.page)) {
            std::snprintf(rect, sizeof rect, " /Rect [%d %d %d %d]", link.top, link.right, link.bottom,
                          link.left);
        } else {
            std::snprintf(rect, sizeof rect, " /Rect [%d %d %d %d]", link.left, link.bottom, link.right,
                          link.top);
        }
        std::string line = "[";
        line += rect;
        if (internal) {
            line += " /Border [0 0 0]";
            line += " /SrcPg " + std::to_string(link.page);
            line += " /Page " + std::to_string(link.destPage);
            line += " /Subtype /Link";
            line += destination_view(is_landscape_known_page(docinfo.pageOrientations, link.destPage), link.destY);
        } else {
            line += " /Action /Launch";
            line += " /Border [0 0 0]";
            line += " /SrcPg " + std::to_string(link.page);
            line += " /URI (" + postscript_string(link.dest) + ")";
            line += " /Subtype /Link";
        }
        line += " /ANN pdfmark\r\n";
        if (std::fwrite(line.data(), 1, line.size(), file.get()) != line.size()) {
            throw std::runtime_error("cannot write the link marks to " + markFile);
        }
    }
    if (!file.close()) throw std::runtime_error("cannot write the link marks to " + markFile);
    return true;
}

}  // namespace vane
