#include "word/office/OfficeStory.h"

#include <stdexcept>

namespace vane {

ParagraphMap& OfficeStory::map() {
    if (!map_) {
        if (!text_.is()) throw std::runtime_error("the text is gone");
        map_ = std::make_unique<ParagraphMap>(text_);
    }
    return *map_;
}

}  // namespace vane
