#include "word/office/OfficeShape.h"

#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/text/HoriOrientation.hpp>
#include <com/sun/star/text/RelOrientation.hpp>
#include <com/sun/star/text/VertOrientation.hpp>

#include "word/WordConstants.h"
#include "word/WordError.h"
#include "word/office/OfficeRange.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;
namespace HoriOrientation = css::text::HoriOrientation;
namespace RelOrientation = css::text::RelOrientation;
namespace VertOrientation = css::text::VertOrientation;

namespace {

class OfficeTextFrame final : public word::TextFrame {
public:
    OfficeTextFrame(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                    std::shared_ptr<OfficeStory> story)
        : session_(std::move(session)), document_(std::move(document)), story_(std::move(story)) {}

    std::unique_ptr<word::Range> textRange() override {
        return uno_call("TextFrame.TextRange", [&]() -> std::unique_ptr<word::Range> {
            return std::make_unique<OfficeRange>(session_, document_, story_, 0, story_->end());
        });
    }

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::shared_ptr<OfficeStory> story_;
};

}  // namespace

DocumentSession& OfficeShape::open() const {
    if (document_->closed()) throw std::runtime_error("the document is closed");
    session_->office();
    return *document_;
}

int OfficeShape::horizontalReference(int relation) {
    switch (relation) {
        case RelOrientation::PAGE_FRAME:
        case RelOrientation::PAGE_LEFT:
        case RelOrientation::PAGE_RIGHT:
            return word::kRelativePage;
        case RelOrientation::PAGE_PRINT_AREA:
            return word::kRelativeMargin;
        default:
            return word::kRelativeColumn;
    }
}

int OfficeShape::verticalReference(int relation) {
    switch (relation) {
        case RelOrientation::PAGE_FRAME:
            return word::kRelativePage;
        case RelOrientation::PAGE_PRINT_AREA:
            return word::kRelativeMargin;
        default:
            return word::kRelativeParagraph;
    }
}

float OfficeShape::horizontalPosition(int orient, int position) {
    switch (orient) {
        case HoriOrientation::CENTER:
            return static_cast<float>(word::kShapeCenter);
        case HoriOrientation::LEFT:
        case HoriOrientation::INSIDE:
            return static_cast<float>(word::kShapeLeft);
        case HoriOrientation::RIGHT:
        case HoriOrientation::OUTSIDE:
            return static_cast<float>(word::kShapeRight);
        default:
            return points(position);
    }
}

float OfficeShape::verticalPosition(int orient, int position) {
    switch (orient) {
        case VertOrientation::TOP:
        case VertOrientation::LINE_TOP:
        case VertOrientation::CHAR_TOP:
            return static_cast<float>(word::kShapeTop);
        case VertOrientation::CENTER:
        case VertOrientation::LINE_CENTER:
        case VertOrientation::CHAR_CENTER:
            return static_cast<float>(word::kShapeCenter);
        case VertOrientation::BOTTOM:
        case VertOrientation::LINE_BOTTOM:
        case VertOrientation::CHAR_BOTTOM:
            return static_cast<float>(word::kShapeBottom);
        default:
            return points(position);
    }
}

std::unique_ptr<word::TextFrame> OfficeShape::textFrame() {
    if (!story_) throw word::WordError("Shape.TextFrame: the shape holds no text");
    return std::make_unique<OfficeTextFrame>(session_, document_, story_);
}

int OfficeShape::anchorParagraphStart() const {
    ParagraphMap& map = document_->map();
    return map.entries()[static_cast<std::size_t>(map.entryAt(anchor_))].start;
}

void OfficeShape::select() {
    uno_call("Shape.Select", [&] {
        DocumentSession& document = open();
        const int at = anchorParagraphStart();
        document.story = nullptr;
        document.select(at, at);
        session_->active = document_;
    });
}

std::unique_ptr<word::Range> OfficeShape::anchor() {
    return uno_call("Shape.Anchor", [&]() -> std::unique_ptr<word::Range> {
        open();
        const int at = anchorParagraphStart();
        return std::make_unique<OfficeRange>(session_, document_, at, at);
    });
}

float OfficeShape::width() {
    return uno_call("Shape.Width", [&] {
        open();
        return points(Reference<css::drawing::XShape>(shape_, UNO_QUERY_THROW)->getSize().Width);
    });
}

float OfficeShape::height() {
    return uno_call("Shape.Height", [&] {
        open();
        return points(Reference<css::drawing::XShape>(shape_, UNO_QUERY_THROW)->getSize().Height);
    });
}

float OfficeShape::left() {
    return uno_call("Shape.Left", [&] {
        open();
        return horizontalPosition(prop<sal_Int16>(shape_, "HoriOrient"),
                                  prop<sal_Int32>(shape_, "HoriOrientPosition"));
    });
}

float OfficeShape::top() {
    return uno_call("Shape.Top", [&] {
        open();
        return verticalPosition(prop<sal_Int16>(shape_, "VertOrient"),
                                prop<sal_Int32>(shape_, "VertOrientPosition"));
    });
}

int OfficeShape::relativeHorizontalPosition() {
    return uno_call("Shape.RelativeHorizontalPosition", [&] {
        open();
        return horizontalReference(prop<sal_Int16>(shape_, "HoriOrientRelation"));
    });
}

int OfficeShape::relativeVerticalPosition() {
    return uno_call("Shape.RelativeVerticalPosition", [&] {
        open();
        return verticalReference(prop<sal_Int16>(shape_, "VertOrientRelation"));
    });
}

}  // namespace vane
