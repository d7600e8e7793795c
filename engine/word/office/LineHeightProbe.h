// The height the office gives a line of some text in some fonts, with no
// spacing rule and no grid: what it has to fit into an at-least line height
// or into the lines of a page grid. The office offers no font metrics of its
// layout, so the text is laid out in a hidden scratch document of its own.
#pragma once

#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <map>
#include <string>
#include <tuple>

namespace vane {

class LineHeightProbe {
public:
    struct Fonts {
        std::string western;
        float westernSize = 0;  // points
        std::string asian;
        float asianSize = 0;
        bool externalLeading = false;  // the document adds the fonts' leading to lines
        auto key() const { return std::tie(western, westernSize, asian, asianSize, externalLeading); }
        bool operator<(const Fonts& other) const { return key() < other.key(); }
    };

    explicit LineHeightProbe(const css::uno::Reference<css::uno::XComponentContext>& context)
        : context_(context) {}
    ~LineHeightProbe();
    LineHeightProbe(const LineHeightProbe&) = delete;
    LineHeightProbe& operator=(const LineHeightProbe&) = delete;

    // Height in 1/100 mm of one line of `sample` (a few characters, all of
    // one line) in `fonts`.
    int height(const Fonts& fonts, const std::string& sample);

private:
    void open();

    css::uno::Reference<css::uno::XComponentContext> context_;
    css::uno::Reference<css::lang::XComponent> scratch_;
    css::uno::Reference<css::text::XTextViewCursor> view_;
    std::map<std::pair<Fonts, std::string>, int> heights_;
};

}  // namespace vane
