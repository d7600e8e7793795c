// The built-in document properties, read from the office's document properties.
#pragma once

#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <optional>

#include "word/DocumentProperties.h"

namespace vane {

class OfficeDocumentProperties final : public word::DocumentProperties {
public:
    OfficeDocumentProperties(const css::uno::Reference<css::text::XTextDocument>& document,
                             const css::uno::Reference<css::uno::XComponentContext>& context)
        : document_(document), context_(context) {}
    std::string value(const std::string& name) override;

private:
    // The keywords as the document's file stores them, when it is a Word
    // package; nothing for other files.
    std::optional<std::string> storedKeywords() const;

    css::uno::Reference<css::text::XTextDocument> document_;
    css::uno::Reference<css::uno::XComponentContext> context_;
};

}  // namespace vane
