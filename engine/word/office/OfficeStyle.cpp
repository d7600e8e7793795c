#include "word/office/OfficeStyle.h"

#include <com/sun/star/beans/XPropertySetInfo.hpp>
#include <stdexcept>

#include "word/office/OfficeParagraphFormat.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"

namespace vane {

std::string OfficeStyle::nameLocal() {
    return uno_call("Style.NameLocal", [&]() -> std::string {
        const auto set = props(style_);
        if (set->getPropertySetInfo()->hasPropertyByName("DisplayName")) {
            const std::string display = prop_text(set, "DisplayName");
            if (!display.empty()) return display;
        }
        return utf8(style_->getName());
    });
}

bool OfficeStyle::builtIn() {
    return uno_call("Style.BuiltIn", [&] { return !style_->isUserDefined(); });
}

std::unique_ptr<word::ParagraphFormat> OfficeStyle::paragraphFormat() {
    return uno_call("Style.ParagraphFormat", [&]() -> std::unique_ptr<word::ParagraphFormat> {
        if (!paragraph_) throw std::runtime_error("the style has no paragraph format");
        return std::make_unique<OfficeParagraphFormat>(prop<sal_Int16>(props(style_), "OutlineLevel"));
    });
}

}  // namespace vane
