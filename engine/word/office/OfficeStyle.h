// One style of a document.
#pragma once

#include <com/sun/star/style/XStyle.hpp>

#include "word/Style.h"

namespace vane {

class OfficeStyle final : public word::Style {
public:
    OfficeStyle(const css::uno::Reference<css::style::XStyle>& style, bool paragraph)
        : style_(style), paragraph_(paragraph) {}
    std::string nameLocal() override;
    bool builtIn() override;
    std::unique_ptr<word::ParagraphFormat> paragraphFormat() override;

private:
    css::uno::Reference<css::style::XStyle> style_;
    bool paragraph_;
};

}  // namespace vane
