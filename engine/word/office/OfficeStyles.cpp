#include "word/office/OfficeStyles.h"

#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <stdexcept>
#include <string>

#include "word/office/OfficeStyle.h"
#include "word/office/UnoCall.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace {

Reference<css::container::XNameAccess> family(const Reference<css::text::XTextDocument>& document,
                                              const char* name) {
    const Reference<css::style::XStyleFamiliesSupplier> supplier(document, UNO_QUERY_THROW);
    return Reference<css::container::XNameAccess>(
        supplier->getStyleFamilies()->getByName(rtl::OUString::createFromAscii(name)), UNO_QUERY_THROW);
}

}  // namespace

OfficeStyles::OfficeStyles(const Reference<css::text::XTextDocument>& document) {
    uno_call("Styles", [&] {
        paragraphStyles_.set(family(document, "ParagraphStyles"), UNO_QUERY_THROW);
        characterStyles_.set(family(document, "CharacterStyles"), UNO_QUERY_THROW);
    });
}

int OfficeStyles::count() {
    return uno_call("Styles.Count", [&] {
        return static_cast<int>(paragraphStyles_->getCount() + characterStyles_->getCount());
    });
}

std::unique_ptr<word::Style> OfficeStyles::item(int index) {
    return uno_call("Styles.Item", [&]() -> std::unique_ptr<word::Style> {
        if (index <= -2 && index >= -7) {
            // The built-in heading styles: -2 is Heading 1 ... -7 is Heading 6.
            const Reference<css::container::XNameAccess> names(paragraphStyles_, UNO_QUERY_THROW);
            const rtl::OUString name = "Heading " + rtl::OUString::number(-1 - index);
            if (!names->hasByName(name)) throw std::runtime_error("the requested member does not exist");
            return std::make_unique<OfficeStyle>(
                Reference<css::style::XStyle>(names->getByName(name), UNO_QUERY_THROW), true);
        }
        const int paragraphs = paragraphStyles_->getCount();
        if (index >= 1 && index <= paragraphs) {
            return std::make_unique<OfficeStyle>(
                Reference<css::style::XStyle>(paragraphStyles_->getByIndex(index - 1), UNO_QUERY_THROW),
                true);
        }
        if (index > paragraphs && index <= paragraphs + characterStyles_->getCount()) {
            return std::make_unique<OfficeStyle>(
                Reference<css::style::XStyle>(characterStyles_->getByIndex(index - 1 - paragraphs),
                                              UNO_QUERY_THROW),
                false);
        }
        throw std::runtime_error("the requested member does not exist");
    });
}

std::unique_ptr<word::Style> OfficeStyles::paragraphStyle(const Reference<css::text::XTextDocument>& document,
                                                          const std::string& name) {
    return uno_call("Style", [&]() -> std::unique_ptr<word::Style> {
        return std::make_unique<OfficeStyle>(
            Reference<css::style::XStyle>(family(document, "ParagraphStyles")->getByName(ou(name)),
                                          UNO_QUERY_THROW),
            true);
    });
}

}  // namespace vane
