#include "word/office/OfficeSection.h"

#include "word/office/OfficeHeadersFooters.h"
#include "word/office/OfficePageSetup.h"

namespace vane {

std::unique_ptr<word::HeadersFooters> OfficeSection::headers() {
    return std::make_unique<OfficeHeadersFooters>(session_, document_, style_.name, style_.firstPageStyle, true);
}

std::unique_ptr<word::HeadersFooters> OfficeSection::footers() {
    return std::make_unique<OfficeHeadersFooters>(session_, document_, style_.name, style_.firstPageStyle, false);
}

std::unique_ptr<word::PageSetup> OfficeSection::pageSetup() {
    return std::make_unique<OfficePageSetup>(std::vector<PageStyleInfo>{style_});
}

}  // namespace vane
