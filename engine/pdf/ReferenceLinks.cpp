#include "pdf/ReferenceLinks.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <sstream>
#include <vector>

#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "frame/TextUtil.h"
#include "pdf/CLinkList.h"
#include "pdf/CRegionList.h"
#include "pdf/Destination.h"
#include "pdf/PageOrientation.h"
#include "word/BookmarkNames.h"
#include "word/CDocinfo.h"
#include "word/Word.h"

namespace vane {

namespace {

// Points of the box given to a note's number when the word processor draws
// it before the note's text rather than as a character of it; and the size
// used when the text's own size cannot be read.
constexpr float kFallbackSize = 10.0f;

std::string upper(std::string text) {
    to_upper(text);
    return text;
}

// A horizontal edge from a position measured from the page's left, turned
// over on landscape pages as the annotation writer expects.
std::int32_t edge_from(float h, float pageWidth, bool landscape) {
    float x = h - 0.5f;
    if (landscape) x = pageWidth - x;
    return std::max(static_cast<std::int32_t>(x), 0);
}

}  // namespace

ReferenceLinks::ReferenceLinks(CLinkList& list) : list_(list), docinfo_(list.docinfo) {}

std::string ReferenceLinks::hyperlinkTarget(const std::string& code) {
    std::istringstream words(code);
    std::string keyword;
    std::string name;
    if (!(words >> keyword >> name)) return {};
    keyword = upper(keyword);
    if (keyword != "REF" && keyword != "PAGEREF" && keyword != "NOTEREF") return {};
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
    if (name.empty() || name[0] == '\\' || is_toc_bookmark(name)) return {};
    bool hyperlink = false;
    for (std::string option; words >> option;) {
        if (upper(option) == "\\H") hyperlink = true;
    }
    return hyperlink ? name : std::string();
}

void ReferenceLinks::fieldPass(word::Document& document, word::Selection& selection) {
    linkFields(*document.fields(), selection);
}

void ReferenceLinks::linkFields(word::Fields& fields, word::Selection& selection,
                                const CLinkList::Placement* placement,
                                const CLinkList::SectionLayout* layout) {
    const int count = fields.count();
    std::unique_ptr<word::Field> field = count > 0 ? fields.item(1) : nullptr;
    for (int i = 1; field != nullptr; ++i) {
        const int type = field->type();
        if (type == word::kFieldRef || type == word::kFieldPageRef || type == word::kFieldNoteRef) {
            const std::string name = hyperlinkTarget(field->code()->text());
            if (!name.empty()) {
                CRegionList regions;
                try {
                    field->select();
                    regions.measureSelection(selection, docinfo_, pageHint_, nullptr);
                } catch (const std::exception&) {
                    regions.clear();  // a field that cannot be measured gets no link
                }
                for (const auto& region : regions.regions) {
                    if (region->page == -1) continue;
                    if (placement == nullptr) {
                        list_.add(region->page, LinkType::Internal, *region, name);
                        continue;
                    }
                    for (std::int32_t page : list_.replicatedPages(*placement, *layout)) {
                        list_.add(page, LinkType::Internal, *region, name);
                    }
                }
            }
        }
        if (i >= count) break;
        field = field->next();
    }
}

void ReferenceLinks::storyFieldPass(word::Document& document, word::Selection& selection) {
    try {
        const auto shapes = document.shapes();
        const int count = shapes->count();
        for (int i = 1; i <= count; ++i) {
            const auto shape = shapes->item(i);
            if (shape->type() == word::kShapeTextBox)
                linkFields(*shape->textFrame()->textRange()->fields(), selection);
        }
    } catch (const std::exception& error) {
        print_verbose(msg::kLinkPartStopped, error.what());
    }
    for (bool endnotes : {false, true}) {
        try {
            const auto notes = endnotes ? document.endnotes() : document.footnotes();
            const int count = notes->count();
            for (int i = 1; i <= count; ++i) linkFields(*notes->item(i)->range()->fields(), selection);
        } catch (const std::exception& error) {
            print_verbose(msg::kLinkPartStopped, error.what());
        }
    }
    try {
        headerFooterFields(document, selection);
    } catch (const std::exception& error) {
        print_verbose(msg::kLinkPartStopped, error.what());
    }
}

void ReferenceLinks::headerFooterFields(word::Document& document, word::Selection& selection) {
    list_.visitHeadersFooters(document, [&](const CLinkList::HeaderFooterVisit& visit) {
        linkFields(*visit.range()->fields(), selection, &visit.placement, &visit.layout);
    });
}

void ReferenceLinks::notePass(word::Document& document, word::Selection& selection, bool endnotes) {
    const auto notes = endnotes ? document.endnotes() : document.footnotes();
    const int count = notes->count();
    for (int i = 1; i <= count; ++i) {
        const auto note = notes->item(i);
        try {
            noteLinks(*note, selection, (endnotes ? "endnote " : "footnote ") + std::to_string(i));
        } catch (const std::exception&) {
            // A note whose mark or text cannot be reached is left unlinked.
        }
    }
}

void ReferenceLinks::noteLinks(word::Footnote& note, word::Selection& selection, const std::string& label) {
    const auto mark = note.reference();
    const auto text = note.range();
    const auto atNote = placeOf(*text, selection);
    const auto atMark = placeOf(*mark, selection);
    if (!atNote || !atMark) return;
    linkMark(*mark, selection, *atNote, label);
    linkNumber(*text, selection, *atMark, label + " mark");
}

std::optional<ReferenceLinks::Place> ReferenceLinks::placeOf(word::Range& range, word::Selection& selection) {
    range.select();
    selection.collapse(word::kCollapseStart);
    Place place;
    if (selection.range()->storyType() == word::kMainTextStory) {
        place.page = docinfo_.pageIndexOf(pageHint_ - 1, selection.start()) + 1;
    }
    // Where the page starts are not known, the word processor names the page.
    if (place.page < 1)
        place.page = static_cast<std::int32_t>(selection.information(word::kInfoActiveEndPageNumber));
    if (place.page < 1 || place.page > docinfo_.pageCount) return std::nullopt;
    place.y = destination_y(selection_vertical_position(selection), docinfo_.pageHeight(place.page));
    return place;
}

void ReferenceLinks::linkMark(word::Range& mark, word::Selection& selection, const Place& to,
                              const std::string& label) {
    mark.select();
    CRegionList regions;
    regions.measureSelection(selection, docinfo_, pageHint_, nullptr);
    for (const auto& region : regions.regions) {
        if (region->page == -1) continue;
        CLink& link = list_.add(region->page, LinkType::Internal, *region, label);
        link.destPage = to.page;
        link.destY = to.y;
    }
}

void ReferenceLinks::linkNumber(word::Range& text, word::Selection& selection, const Place& to,
                                const std::string& label) {
    text.select();
    selection.collapse(word::kCollapseStart);
    const int textStart = selection.start();
    std::int32_t page = static_cast<std::int32_t>(selection.information(word::kInfoActiveEndPageNumber));
    if (page < 1 || page > docinfo_.pageCount) return;
    selection.homeKey(word::kUnitLine, word::kExtend);
    std::vector<CRegion> boxes;
    if (selection.start() < textStart) {
        // The number is a character of the note's story, before its text.
        CRegionList regions;
        regions.measureSelection(selection, docinfo_, page, nullptr);
        for (const auto& region : regions.regions) {
            if (region->page != -1) boxes.push_back(*region);
        }
    } else {
        // The number is drawn just before the text: a box of the text's size
        // to its left, on the text's first line.
        selection.collapse(word::kCollapseStart);
        const float h = static_cast<float>(selection.information(word::kInfoHorizontalPosition));
        const float v = selection_vertical_position(selection);
        selection.moveEnd(word::kUnitCharacter, 1);
        float size = selection.range()->font()->size();
        if (size <= 0 || size >= static_cast<float>(word::kUndefined)) size = kFallbackSize;
        const bool landscape = is_landscape_page(docinfo_.pageOrientations, page);
        const float width = docinfo_.pageWidth(page);
        const float top = docinfo_.pageHeight(page) - std::max(v - 0.5f, 0.0f);
        std::int32_t left = edge_from(h - size, width, landscape);
        // Up to the text's start itself: a narrow number ends right there.
        std::int32_t right = edge_from(h + 0.5f, width, landscape);
        if (const auto end = rightToLeftEdge(selection, h, v, width)) {
            // Right-to-left text: the number stands to the right of the
            // text's start, up to the text's right edge.
            left = edge_from(h, width, landscape);
            right = edge_from((*end > h + 0.5f ? *end : h + size) + 0.5f, width, landscape);
        }
        if (left != right) {
            boxes.emplace_back(page, static_cast<std::int32_t>(top),
                               static_cast<std::int32_t>(top - size - 0.5f), left, right);
        }
    }
    for (const CRegion& box : boxes) {
        CLink& link = list_.add(box.page, LinkType::Internal, box, label);
        link.destPage = to.page;
        link.destY = to.y;
    }
}

std::optional<float> ReferenceLinks::rightToLeftEdge(word::Selection& selection, float h, float v,
                                                    float pageWidth) {
    // The selection holds the text's first character: its end stands left of
    // its start on the same line only in right-to-left text.
    const auto first = selection.range();
    selection.collapse(word::kCollapseEnd);
    const float after = static_cast<float>(selection.information(word::kInfoHorizontalPosition));
    const bool sameLine = static_cast<std::int32_t>(selection_vertical_position(selection)) ==
                          static_cast<std::int32_t>(v);
    first->select();
    if (!sameLine || after >= h - 0.5f) return std::nullopt;
    float edge = pageWidth - selection.pageSetup()->rightMargin();
    try {
        if (const auto paragraph = first->paragraphs()->first()) edge -= paragraph->rightIndent();
    } catch (const std::exception&) {
        // A note whose paragraphs are out of reach: the margin alone.
    }
    return edge;
}

}  // namespace vane
