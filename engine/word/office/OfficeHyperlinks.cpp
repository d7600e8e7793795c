#include "word/office/OfficeHyperlinks.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "word/WordConstants.h"
#include "word/WordError.h"
#include "word/office/OfficeHyperlink.h"
#include "word/office/OfficeRange.h"
#include "word/office/OfficeShape.h"
#include "word/office/OfficeShapes.h"
#include "word/office/TocBookmarks.h"
#include "word/office/UnoCall.h"

namespace vane {

std::unique_ptr<word::Hyperlinks> OfficeHyperlinks::ofMainText(std::shared_ptr<OfficeSession> session,
                                                               std::shared_ptr<DocumentSession> document,
                                                               int start, int end) {
    return uno_call("Hyperlinks", [&]() -> std::unique_ptr<word::Hyperlinks> {
        if (document->closed()) throw std::runtime_error("the document is closed");
        std::vector<FoundLink> inside;
        for (FoundLink& link : scan_links(document->map())) {
            if (link.start < end && link.end > start) inside.push_back(std::move(link));
        }
        // Entries of a table of figures the office rebuilt lead to sequence
        // fields: they are given the captions' bookmark names.
        std::optional<TocBookmarks> names;
        for (FoundLink& link : inside) {
            if (!link.address.empty() || !sequence_target(link.subAddress)) continue;
            if (!names) names.emplace(*document);
            const std::string name = names->nameFor(link.subAddress, {});
            if (!name.empty()) link.subAddress = name;
        }
        // Links on whole shapes take their place in text order by their
        // anchor; a picture in the line inside a link of its text is that link.
        std::vector<FoundLink> shapes;
        for (FoundLink& link : OfficeShapes::linkedShapes(*document)) {
            if (link.start < start || link.start >= end) continue;
            const bool covered = link.kind == word::kHyperlinkInlineShape &&
                                 std::any_of(inside.begin(), inside.end(), [&](const FoundLink& text) {
                                     return text.start <= link.start && text.end >= link.end;
                                 });
            if (!covered) shapes.push_back(std::move(link));
        }
        if (!shapes.empty()) {
            const std::size_t textCount = inside.size();
            inside.insert(inside.end(), std::make_move_iterator(shapes.begin()),
                          std::make_move_iterator(shapes.end()));
            std::inplace_merge(inside.begin(), inside.begin() + static_cast<std::ptrdiff_t>(textCount),
                               inside.end(),
                               [](const FoundLink& a, const FoundLink& b) { return a.start < b.start; });
        }
        return std::make_unique<OfficeHyperlinks>(std::move(session), std::move(document), nullptr,
                                                  std::move(inside));
    });
}

std::unique_ptr<word::Hyperlink> OfficeHyperlinks::item(int index) {
    if (index < 1 || index > count())
        throw word::WordError("Hyperlinks: the requested member does not exist");
    return std::make_unique<OfficeHyperlink>(session_, document_, story_,
                                             links_[static_cast<std::size_t>(index - 1)]);
}

int OfficeHyperlink::type() {
    return link_.kind;
}

std::unique_ptr<word::Range> OfficeHyperlink::range() {
    if (document_->closed()) throw word::WordError("Hyperlink.Range: the document is closed");
    if (link_.kind == word::kHyperlinkShape) throw word::WordError("Hyperlink.Range: the link is on a shape");
    if (story_)
        return std::make_unique<OfficeRange>(session_, document_, story_, link_.start, link_.end);
    return std::make_unique<OfficeRange>(session_, document_, link_.start, link_.end);
}

std::unique_ptr<word::Shape> OfficeHyperlink::shape() {
    if (document_->closed()) throw word::WordError("Hyperlink.Shape: the document is closed");
    if (link_.kind != word::kHyperlinkShape)
        throw word::WordError("Hyperlink.Shape: the link is not on a shape");
    return std::make_unique<OfficeShape>(session_, document_, link_.shape, link_.shapeType, link_.start,
                                         link_.shapeStory);
}

}  // namespace vane
