#include "word/office/OfficeSection.h"

#include "word/WordError.h"
#include "word/office/OfficePageSetup.h"

namespace vane {

std::unique_ptr<word::HeadersFooters> OfficeSection::headers() {
    throw word::WordError("Headers: not available from the office backend yet");
}

std::unique_ptr<word::HeadersFooters> OfficeSection::footers() {
    throw word::WordError("Footers: not available from the office backend yet");
}

std::unique_ptr<word::PageSetup> OfficeSection::pageSetup() {
    return std::make_unique<OfficePageSetup>(std::vector<PageStyleInfo>{style_});
}

}  // namespace vane
