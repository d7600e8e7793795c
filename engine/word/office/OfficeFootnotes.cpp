#include "word/office/OfficeFootnotes.h"

#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/text/XFootnotesSupplier.hpp>

#include "word/WordConstants.h"
#include "word/WordError.h"
#include "word/office/OfficeFootnote.h"
#include "word/office/UnoCall.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace {

Reference<css::container::XIndexAccess> notes_of(DocumentSession& document) {
    if (document.closed()) throw std::runtime_error("the document is closed");
    const Reference<css::text::XFootnotesSupplier> supplier(document.document(), UNO_QUERY);
    if (!supplier.is()) return {};
    return supplier->getFootnotes();
}

}  // namespace

OfficeFootnotes::OfficeFootnotes(std::shared_ptr<OfficeSession> session,
                                 std::shared_ptr<DocumentSession> document)
    : session_(std::move(session)), document_(std::move(document)) {}

int OfficeFootnotes::count() {
    return uno_call("Footnotes.Count", [&] {
        const auto notes = notes_of(*document_);
        return notes.is() ? static_cast<int>(notes->getCount()) : 0;
    });
}

std::unique_ptr<word::Footnote> OfficeFootnotes::item(int index) {
    return uno_call("Footnotes.Item", [&]() -> std::unique_ptr<word::Footnote> {
        const auto notes = notes_of(*document_);
        if (!notes.is() || index < 1 || index > notes->getCount()) {
            throw word::WordError("Footnotes: the requested member does not exist");
        }
        const Reference<css::text::XText> text(notes->getByIndex(index - 1), UNO_QUERY_THROW);
        return std::make_unique<OfficeFootnote>(session_, document_,
                                                std::make_shared<OfficeStory>(text, word::kFootnotesStory));
    });
}

}  // namespace vane
