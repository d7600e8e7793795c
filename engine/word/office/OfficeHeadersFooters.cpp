#include "word/office/OfficeHeadersFooters.h"

#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>

#include "word/WordConstants.h"
#include "word/WordError.h"
#include "word/office/OfficeHeaderFooter.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"
#include "word/office/UnoText.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

std::unique_ptr<word::HeaderFooter> OfficeHeadersFooters::item(int index) {
    if (index < word::kHeaderFooterPrimary || index > word::kHeaderFooterEvenPages) {
        throw word::WordError("HeadersFooters: the requested member does not exist");
    }
    return uno_call("HeadersFooters.Item", [&]() -> std::unique_ptr<word::HeaderFooter> {
        if (document_->closed()) throw std::runtime_error("the document is closed");
        const Reference<css::style::XStyleFamiliesSupplier> families(document_->document(), UNO_QUERY_THROW);
        const Reference<css::container::XNameAccess> pageStyles(
            families->getStyleFamilies()->getByName("PageStyles"), UNO_QUERY_THROW);
        const bool ownFirstPage = index == word::kHeaderFooterFirstPage && !firstPageStyle_.empty();
        const auto set = props(Reference<css::uno::XInterface>(
            pageStyles->getByName(ou(ownFirstPage ? firstPageStyle_ : pageStyle_)), UNO_QUERY));

        const std::string kind = headers_ ? "Header" : "Footer";
        const auto flag = [&](const std::string& name, bool fallback) {
            return prop<bool>(set, (kind + name).c_str(), fallback);
        };
        std::string textName = kind + "Text";
        bool on = flag("IsOn", false);
        if (ownFirstPage) {
            // The primary text of the first page's own style.
        } else if (index == word::kHeaderFooterFirstPage) {
            on = on && !prop<bool>(set, "FirstIsShared", true);
            textName += "First";
        } else if (index == word::kHeaderFooterEvenPages) {
            on = on && !flag("IsShared", true);
            textName += "Left";
        }
        Reference<css::text::XText> text;
        if (on) set->getPropertyValue(ou(textName)) >>= text;

        static constexpr int kHeaderStories[] = {word::kPrimaryHeaderStory, word::kFirstPageHeaderStory,
                                                 word::kEvenPagesHeaderStory};
        static constexpr int kFooterStories[] = {word::kPrimaryFooterStory, word::kFirstPageFooterStory,
                                                 word::kEvenPagesFooterStory};
        const int type = (headers_ ? kHeaderStories : kFooterStories)[index - 1];
        return std::make_unique<OfficeHeaderFooter>(session_, document_,
                                                    std::make_shared<OfficeStory>(text, type));
    });
}

}  // namespace vane
