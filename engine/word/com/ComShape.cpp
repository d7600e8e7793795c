#include "word/com/ComShape.h"

#include "word/com/ComRange.h"
#include "word/com/ComTextFrame.h"

namespace vane::word {

int ComShape::type() {
    return object_.get(0x7C).toInteger();
}

std::unique_ptr<TextFrame> ComShape::textFrame() {
    return std::make_unique<ComTextFrame>(object_.getObject(0x79));
}

void ComShape::select() {
    object_.call(0x15, {ComVariant::missing()});
}

std::unique_ptr<Range> ComShape::anchor() {
    return std::make_unique<ComRange>(object_.getObject(0x1F5));
}

float ComShape::width() {
    return object_.get(0x80).toFloat();
}

float ComShape::height() {
    return object_.get(0x6D).toFloat();
}

float ComShape::top() {
    return object_.get(0x7B).toFloat();
}

float ComShape::left() {
    return object_.get(0x6F).toFloat();
}

int ComShape::relativeHorizontalPosition() {
    return object_.get(0x12C).toInteger();
}

int ComShape::relativeVerticalPosition() {
    return object_.get(0x12D).toInteger();
}

}  // namespace vane::word
