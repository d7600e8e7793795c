// One floating shape of the main text: a text frame, a text box (a custom
// shape carrying text), a picture or a drawing.
#pragma once

#include <com/sun/star/beans/XPropertySet.hpp>
#include <memory>

#include "word/Shape.h"
#include "word/office/OfficeSession.h"
#include "word/office/OfficeStory.h"

namespace vane {

class OfficeShape final : public word::Shape {
public:
    // `anchor`: the main-text position the shape is anchored at; `story`:
    // its text (null for a shape without text).
    OfficeShape(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                css::uno::Reference<css::beans::XPropertySet> shape, int type, int anchor,
                std::shared_ptr<OfficeStory> story)
        : session_(std::move(session)),
          document_(std::move(document)),
          shape_(std::move(shape)),
          type_(type),
          anchor_(anchor),
          story_(std::move(story)) {}

    int type() override { return type_; }
    std::unique_ptr<word::TextFrame> textFrame() override;
    void select() override;
    std::unique_ptr<word::Range> anchor() override;
    float width() override;
    float height() override;
    float top() override;
    float left() override;
    int relativeHorizontalPosition() override;
    int relativeVerticalPosition() override;

    // Points from the office's 1/100 mm.
    static float points(int hundredthMm) { return static_cast<float>(hundredthMm) * 72.0f / 2540.0f; }
    // The word processor's reference for the office's relation values.
    static int horizontalReference(int relation);
    static int verticalReference(int relation);
    // The word processor's position value for the office's orientation and offset.
    static float horizontalPosition(int orient, int position);
    static float verticalPosition(int orient, int position);

private:
    DocumentSession& open() const;
    // A shape hangs on a paragraph, as the word processor anchors it: its
    // anchor is that paragraph's start, where the office may anchor it on a
    // character further on.
    int anchorParagraphStart() const;

    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    css::uno::Reference<css::beans::XPropertySet> shape_;
    int type_;
    int anchor_;
    std::shared_ptr<OfficeStory> story_;
};

}  // namespace vane
