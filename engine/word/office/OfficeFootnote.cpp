#include "word/office/OfficeFootnote.h"

#include "word/WordError.h"
#include "word/office/OfficeRange.h"
#include "word/office/UnoCall.h"

namespace vane {

std::unique_ptr<word::Range> OfficeFootnote::reference() {
    return uno_call("Footnote.Reference", [&]() -> std::unique_ptr<word::Range> {
        if (document_->closed()) throw std::runtime_error("the document is closed");
        const auto position = anchor_.is() ? document_->map().findPosition(anchor_) : std::nullopt;
        if (!position) throw word::WordError("the note's reference mark is not in the main text");
        return std::make_unique<OfficeRange>(session_, document_, *position, *position + 1);
    });
}

}  // namespace vane
