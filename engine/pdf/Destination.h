// Where an outline entry or a link lands on its page. The word processor
// measures from the page top in points; the marks measure from the page
// bottom in integer points. The view is put one hundredth of the page height
// above the target so the target line is not flush with the window's edge.
#pragma once

#include <cstdint>
#include <string>

namespace vane::word {
class Selection;
}

namespace vane {

// y = trunc(H - max(0, position - H/100) + 0.5), H and position in points
// (position from the page top).
std::int32_t destination_y(float position, float pageHeight);

// The vertical position of the selection's start, points from the page top,
// as the single-precision value the word processor reports.
float selection_vertical_position(word::Selection& selection);

// The view part of a mark: " /View [/XYZ 0 y null]" on a portrait page,
// " /View [/XYZ y 0 null]" on a landscape one (the page is shown turned, so
// the axes are exchanged).
std::string destination_view(bool landscape, std::int32_t y);

}  // namespace vane
