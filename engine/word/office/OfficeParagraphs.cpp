#include "word/office/OfficeParagraphs.h"

#include "word/WordError.h"
#include "word/office/OfficeParagraph.h"

namespace vane {

std::unique_ptr<word::Paragraph> OfficeParagraphs::first() {
    if (starts_.empty()) return nullptr;
    return item(1);
}

std::unique_ptr<word::Paragraph> OfficeParagraphs::item(int index) {
    if (index < 1 || index > count())
        throw word::WordError("Paragraphs: the requested member does not exist");
    return std::make_unique<OfficeParagraph>(session_, document_,
                                             starts_[static_cast<std::size_t>(index - 1)]);
}

}  // namespace vane
