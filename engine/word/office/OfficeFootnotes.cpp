#include "word/office/OfficeFootnotes.h"

#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/text/XEndnotesSupplier.hpp>
#include <com/sun/star/text/XFootnotesSupplier.hpp>
#include <com/sun/star/text/XTextContent.hpp>

#include "word/WordConstants.h"
#include "word/WordError.h"
#include "word/office/OfficeFootnote.h"
#include "word/office/UnoCall.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace {

Reference<css::container::XIndexAccess> notes_of(DocumentSession& document, bool endnotes) {
    if (document.closed()) throw std::runtime_error("the document is closed");
    if (endnotes) {
        const Reference<css::text::XEndnotesSupplier> supplier(document.document(), UNO_QUERY);
        return supplier.is() ? supplier->getEndnotes() : Reference<css::container::XIndexAccess>();
    }
    const Reference<css::text::XFootnotesSupplier> supplier(document.document(), UNO_QUERY);
    return supplier.is() ? supplier->getFootnotes() : Reference<css::container::XIndexAccess>();
}

}  // namespace

OfficeFootnotes::OfficeFootnotes(std::shared_ptr<OfficeSession> session,
                                 std::shared_ptr<DocumentSession> document, bool endnotes)
    : session_(std::move(session)), document_(std::move(document)), endnotes_(endnotes) {}

int OfficeFootnotes::count() {
    return uno_call(endnotes_ ? "Endnotes.Count" : "Footnotes.Count", [&] {
        const auto notes = notes_of(*document_, endnotes_);
        return notes.is() ? static_cast<int>(notes->getCount()) : 0;
    });
}

std::unique_ptr<word::Footnote> OfficeFootnotes::item(int index) {
    return uno_call(endnotes_ ? "Endnotes.Item" : "Footnotes.Item", [&]() -> std::unique_ptr<word::Footnote> {
        const auto notes = notes_of(*document_, endnotes_);
        if (!notes.is() || index < 1 || index > notes->getCount()) {
            throw word::WordError("Footnotes: the requested member does not exist");
        }
        const auto note = notes->getByIndex(index - 1);
        const Reference<css::text::XText> text(note, UNO_QUERY_THROW);
        const Reference<css::text::XTextContent> content(note, UNO_QUERY);
        const int story = endnotes_ ? word::kEndnotesStory : word::kFootnotesStory;
        return std::make_unique<OfficeFootnote>(session_, document_,
                                                std::make_shared<OfficeStory>(text, story),
                                                content.is() ? content->getAnchor() : nullptr);
    });
}

}  // namespace vane
