#include "pdf/Destination.h"

#include <cstdio>

#include "word/Selection.h"
#include "word/WordConstants.h"

namespace vane {

std::int32_t destination_y(float position, float pageHeight) {
    const double height = pageHeight;
    double top = static_cast<double>(position) - height / 100.0;
    if (top < 0) top = 0;
    // Conversion to an integer truncates toward zero.
    return static_cast<std::int32_t>(height - top + 0.5);
}

float selection_vertical_position(word::Selection& selection) {
    return static_cast<float>(selection.information(word::kInfoVerticalPosition));
}

std::string destination_view(bool landscape, std::int32_t y) {
    char text[64];
    std::snprintf(text, sizeof text, landscape ? " /View [/XYZ %d 0 null]" : " /View [/XYZ 0 %d null]", y);
    return text;
}

}  // namespace vane
