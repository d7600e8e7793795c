// The built-in document properties, read from the office's document properties.
#pragma once

#include <com/sun/star/text/XTextDocument.hpp>

#include "word/DocumentProperties.h"

namespace vane {

class OfficeDocumentProperties final : public word::DocumentProperties {
public:
    explicit OfficeDocumentProperties(const css::uno::Reference<css::text::XTextDocument>& document)
        : document_(document) {}
    std::string value(const std::string& name) override;

private:
    css::uno::Reference<css::text::XTextDocument> document_;
};

}  // namespace vane
