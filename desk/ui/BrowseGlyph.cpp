#include "BrowseGlyph.h"

#include <QColor>
#include <QPainter>
#include <QPoint>

#include "BrowseGlyphPattern.h"

namespace vane::desk {

void draw_browse_glyph(QPainter& painter, int glyph, const QPoint& origin, bool enabled) {
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x) {
            GlyphColour colour;
            if (!browse_glyph_pixel(glyph, x, y, enabled, colour)) continue;
            painter.fillRect(origin.x() + x, origin.y() + y, 1, 1,
                             QColor(colour.red, colour.green, colour.blue));
        }
    }
}

}  // namespace vane::desk
