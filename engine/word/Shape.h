// A floating shape (text box, picture, ...). Positions and sizes in points;
// left()/top() may be one of the special positions (kShapeCenter, ...), measured
// from what relativeHorizontalPosition()/relativeVerticalPosition() name.
#pragma once

#include <memory>

#include "word/Range.h"
#include "word/TextFrame.h"

namespace vane::word {

class Shape {
public:
    virtual ~Shape() = default;
    virtual int type() = 0;  // kShapeTextBox, ...
    virtual std::unique_ptr<TextFrame> textFrame() = 0;
    // Makes the shape the selection (replacing it); the selection's range is
    // then the shape's anchor.
    virtual void select() = 0;
    // The range of the main text the shape is anchored to.
    virtual std::unique_ptr<Range> anchor() = 0;
    virtual float width() = 0;
    virtual float height() = 0;
    virtual float top() = 0;
    virtual float left() = 0;
    virtual int relativeHorizontalPosition() = 0;  // kRelativeMargin, kRelativePage, kRelativeColumn
    virtual int relativeVerticalPosition() = 0;    // kRelativeMargin, kRelativePage, kRelativeParagraph
};

}  // namespace vane::word
