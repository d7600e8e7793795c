#include "word/com/ComSection.h"

#include "word/com/ComHeadersFooters.h"
#include "word/com/ComPageSetup.h"

namespace vane::word {

std::unique_ptr<HeadersFooters> ComSection::headers() {
    return std::make_unique<ComHeadersFooters>(object_.getObject(0x79));
}

std::unique_ptr<HeadersFooters> ComSection::footers() {
    return std::make_unique<ComHeadersFooters>(object_.getObject(0x7A));
}

std::unique_ptr<PageSetup> ComSection::pageSetup() {
    return std::make_unique<ComPageSetup>(object_.getObject(0x44D));
}

}  // namespace vane::word
