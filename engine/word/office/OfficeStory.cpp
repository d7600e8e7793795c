#include "word/office/OfficeStory.h"

#include <stdexcept>

#include "word/WordConstants.h"

namespace vane {

OfficeStory::OfficeStory(const css::uno::Reference<css::text::XTextDocument>& document)
    : type(word::kMainTextStory), document_(document) {}

ParagraphMap& OfficeStory::map() {
    if (!map_) {
        if (document_.is()) {
            map_ = std::make_unique<ParagraphMap>(document_);
        } else {
            if (!text_.is()) throw std::runtime_error("the text is gone");
            map_ = std::make_unique<ParagraphMap>(text_);
        }
    }
    return *map_;
}

void OfficeStory::release() {
    map_.reset();
    text_.clear();
    document_.clear();
}

}  // namespace vane
