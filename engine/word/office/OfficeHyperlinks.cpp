#include "word/office/OfficeHyperlinks.h"

#include "word/WordConstants.h"
#include "word/WordError.h"
#include "word/office/OfficeHyperlink.h"
#include "word/office/OfficeRange.h"
#include "word/office/OfficeStoryRange.h"
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
        return std::make_unique<OfficeHyperlinks>(std::move(session), std::move(document), nullptr,
                                                  std::move(inside));
    });
}

std::unique_ptr<word::Hyperlink> OfficeHyperlinks::item(int index) {
    if (index < 1 || index > count()) throw word::WordError("Hyperlinks: the requested member does not exist");
    return std::make_unique<OfficeHyperlink>(session_, document_, story_,
                                             links_[static_cast<std::size_t>(index - 1)]);
}

int OfficeHyperlink::type() {
    return word::kHyperlinkRange;
}

std::unique_ptr<word::Range> OfficeHyperlink::range() {
    if (document_->closed()) throw word::WordError("Hyperlink.Range: the document is closed");
    if (story_) return std::make_unique<OfficeStoryRange>(session_, document_, story_, link_.start, link_.end);
    return std::make_unique<OfficeRange>(session_, document_, link_.start, link_.end);
}

std::unique_ptr<word::Shape> OfficeHyperlink::shape() {
    throw word::WordError("Hyperlink.Shape: the link is on text");
}

}  // namespace vane
