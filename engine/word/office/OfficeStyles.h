// The styles of a document: its paragraph styles, then its character styles.
#pragma once

#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/text/XTextDocument.hpp>

#include "word/Styles.h"

namespace vane {

class OfficeStyles final : public word::Styles {
public:
    explicit OfficeStyles(const css::uno::Reference<css::text::XTextDocument>& document);
    int count() override;
    std::unique_ptr<word::Style> item(int index) override;

    // The paragraph style named `name` (the office's own name).
    static std::unique_ptr<word::Style> paragraphStyle(
        const css::uno::Reference<css::text::XTextDocument>& document, const std::string& name);

private:
    css::uno::Reference<css::container::XIndexAccess> paragraphStyles_;
    css::uno::Reference<css::container::XIndexAccess> characterStyles_;
};

}  // namespace vane
