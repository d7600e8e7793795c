// The 16 by 16 pictures of the browse button, drawn pixel by pixel.
#pragma once

#include "BrowseGlyphPattern.h"

class QPainter;
class QPoint;

namespace vane::desk {

// Draws glyph 1 (an opened folder with a bent arrow), 2 (a closed folder) or
// 3 (a page) with its top-left corner at origin; greyed when disabled.
void draw_browse_glyph(QPainter& painter, int glyph, const QPoint& origin, bool enabled);

}  // namespace vane::desk
