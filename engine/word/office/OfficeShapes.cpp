#include "word/office/OfficeShapes.h"

#include <algorithm>
#include <com/sun/star/drawing/XDrawPageSupplier.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/text/TextContentAnchorType.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <optional>

#include "word/WordConstants.h"
#include "word/WordError.h"
#include "word/office/OfficeShape.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"
#include "word/office/UnoText.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;

namespace {

constexpr int kShapeAuto = 1;
constexpr int kShapePicture = 13;

bool supports(const Reference<css::lang::XServiceInfo>& info, const char* service) {
    return info.is() && info->supportsService(rtl::OUString::createFromAscii(service));
}

bool carries_text_box(const Reference<css::beans::XPropertySet>& shape) {
    const auto info = shape->getPropertySetInfo();
    return info.is() && info->hasPropertyByName("TextBox") && prop<bool>(shape, "TextBox");
}

// Every shape of the draw page anchored in the main text, in draw-page order;
// a text box the office keeps twice is visited once.
template <typename Visit>
void for_each_shape(DocumentSession& document, Visit&& visit) {
    const Reference<css::drawing::XDrawPageSupplier> supplier(document.document(), UNO_QUERY);
    if (!supplier.is()) return;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const auto page = supplier->getDrawPage();
#pragma GCC diagnostic pop
    ParagraphMap& map = document.map();
    std::vector<std::pair<int, std::string>> textBoxes;  // anchor and text of those kept
    for (sal_Int32 i = 0; i < page->getCount(); ++i) {
        const Reference<css::beans::XPropertySet> shape(page->getByIndex(i), UNO_QUERY);
        const Reference<css::text::XTextContent> content(shape, UNO_QUERY);
        if (!shape.is() || !content.is()) continue;
        const auto anchor = map.findPosition(content->getAnchor());
        if (!anchor) continue;
        const Reference<css::lang::XServiceInfo> info(shape, UNO_QUERY);
        int type = kShapeAuto;
        std::shared_ptr<OfficeStory> story;
        const Reference<css::text::XText> text(shape, UNO_QUERY);
        std::optional<std::string> boxText;
        if (text.is() && (supports(info, "com.sun.star.text.TextFrame") || carries_text_box(shape))) {
            try {
                boxText = utf8(text->getString());
            } catch (const css::uno::RuntimeException&) {
                // A shape that says it carries a text box but gives no text: a drawing.
            }
        }
        if (boxText) {
            bool seen = false;
            for (const auto& box : textBoxes) seen = seen || (box.first == *anchor && box.second == *boxText);
            if (seen) continue;
            textBoxes.emplace_back(*anchor, *boxText);
            type = word::kShapeTextBox;
            story = std::make_shared<OfficeStory>(text, word::kTextFrameStory);
        } else if (supports(info, "com.sun.star.drawing.GraphicObjectShape") ||
                   supports(info, "com.sun.star.text.TextGraphicObject")) {
            type = kShapePicture;
        }
        visit(shape, type, *anchor, std::move(story));
    }
}

// The link set on a whole shape: frames and pictures carry it as a frame
// property, drawings as a shape property.
std::string shape_link(const Reference<css::beans::XPropertySet>& shape) {
    const auto info = shape->getPropertySetInfo();
    if (!info.is()) return {};
    for (const char* name : {"HyperLinkURL", "Hyperlink"}) {
        if (!info->hasPropertyByName(rtl::OUString::createFromAscii(name))) continue;
        const std::string url = prop_text(shape, name);
        if (!url.empty()) return url;
    }
    return {};
}

bool in_line(const Reference<css::beans::XPropertySet>& shape) {
    const auto info = shape->getPropertySetInfo();
    return info.is() && info->hasPropertyByName("AnchorType") &&
           prop<css::text::TextContentAnchorType>(shape, "AnchorType") ==
               css::text::TextContentAnchorType_AS_CHARACTER;
}

}  // namespace

OfficeShapes::OfficeShapes(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document)
    : session_(std::move(session)), document_(std::move(document)) {
    uno_call("Shapes", [&] {
        if (document_->closed()) throw std::runtime_error("the document is closed");
        for_each_shape(*document_, [&](const Reference<css::beans::XPropertySet>& shape, int type, int anchor,
                                       std::shared_ptr<OfficeStory> story) {
            found_.push_back({shape, type, anchor, std::move(story)});
        });
    });
}

std::vector<FoundLink> OfficeShapes::linkedShapes(DocumentSession& document) {
    std::vector<FoundLink> links;
    for_each_shape(document, [&](const Reference<css::beans::XPropertySet>& shape, int type, int anchor,
                                 std::shared_ptr<OfficeStory> story) {
        const std::string url = shape_link(shape);
        if (url.empty()) return;
        FoundLink link = split_link_url(url);
        link.start = anchor;
        link.end = anchor;
        if (in_line(shape)) {
            link.kind = word::kHyperlinkInlineShape;
            link.end = anchor + 1;
        } else {
            link.kind = word::kHyperlinkShape;
            link.shape = shape;
            link.shapeType = type;
            link.shapeStory = std::move(story);
        }
        links.push_back(std::move(link));
    });
    std::stable_sort(links.begin(), links.end(),
                     [](const FoundLink& a, const FoundLink& b) { return a.start < b.start; });
    return links;
}

std::unique_ptr<word::Shape> OfficeShapes::item(int index) {
    if (index < 1 || index > count()) throw word::WordError("Shapes: the requested member does not exist");
    const Found& found = found_[static_cast<std::size_t>(index - 1)];
    return std::make_unique<OfficeShape>(session_, document_, found.shape, found.type, found.anchor,
                                         found.story);
}

}  // namespace vane
