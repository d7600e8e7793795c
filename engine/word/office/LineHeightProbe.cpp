#include "word/office/LineHeightProbe.h"

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <stdexcept>

#include "word/office/ParagraphMap.h"
#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

LineHeightProbe::~LineHeightProbe() {
    try {
        const Reference<css::util::XCloseable> closeable(scratch_, UNO_QUERY);
        if (closeable.is()) closeable->close(true);
    } catch (const css::uno::Exception&) {
        // the office is gone: nothing to close
    }
}

void LineHeightProbe::open() {
    if (scratch_.is()) return;
    const auto desktop = css::frame::Desktop::create(context_);
    scratch_ = desktop->loadComponentFromURL("private:factory/swriter", "_blank", 0,
                                             arguments({{"Hidden", Any(true)}}));
    const Reference<css::frame::XModel> model(scratch_, UNO_QUERY_THROW);
    const Reference<css::text::XTextViewCursorSupplier> supplier(model->getCurrentController(),
                                                                 UNO_QUERY_THROW);
    view_ = supplier->getViewCursor();
    if (!view_.is()) throw std::runtime_error("the scratch document has no view");
}

int LineHeightProbe::height(const Fonts& fonts, const std::string& sample) {
    const auto known = heights_.find({fonts, sample});
    if (known != heights_.end()) return known->second;
    open();
    const Reference<css::text::XTextDocument> document(scratch_, UNO_QUERY_THROW);
    const Reference<css::lang::XMultiServiceFactory> factory(scratch_, UNO_QUERY_THROW);
    props(factory->createInstance("com.sun.star.text.DocumentSettings"))
        ->setPropertyValue("AddExternalLeading", Any(fonts.externalLeading));
    // Two paragraphs of the sample: the second starts one line below the first.
    const auto text = document->getText();
    text->setString(ou(sample));
    const auto cursor = text->createTextCursor();
    cursor->gotoEnd(false);
    text->insertControlCharacter(as_range(cursor), css::text::ControlCharacter::PARAGRAPH_BREAK, false);
    text->insertString(as_range(cursor), ou(sample), false);
    cursor->gotoStart(false);
    cursor->gotoEnd(true);
    const css::uno::Sequence<rtl::OUString> names{[] {
        css::uno::Sequence<rtl::OUString> list(4);
        auto* out = list.getArray();
        out[0] = "CharFontName";
        out[1] = "CharFontNameAsian";
        out[2] = "CharHeight";
        out[3] = "CharHeightAsian";
        return list;
    }()};
    css::uno::Sequence<Any> values(4);
    auto* out = values.getArray();
    out[0] <<= ou(fonts.western);
    out[1] <<= ou(fonts.asian);
    out[2] <<= fonts.westernSize;
    out[3] <<= fonts.asianSize;
    Reference<css::beans::XMultiPropertySet>(cursor, UNO_QUERY_THROW)->setPropertyValues(names, values);
    cursor->gotoStart(false);
    view_->gotoRange(cursor->getStart(), false);
    const int first = view_->getPosition().Y;
    Reference<css::text::XParagraphCursor>(cursor, UNO_QUERY_THROW)->gotoNextParagraph(false);
    view_->gotoRange(cursor->getStart(), false);
    const int second = view_->getPosition().Y;
    const int line = second - first;
    heights_[{fonts, sample}] = line;
    return line;
}

}  // namespace vane
