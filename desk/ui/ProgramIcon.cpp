#include "ProgramIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QPoint>

#include "BrowseGlyph.h"

namespace vane::desk {

namespace {

// The opened folder, each glyph pixel drawn as a scale by scale square on a
// clear background.
QPixmap folder_pixmap(int scale) {
    QPixmap pixmap(kGlyphSize * scale, kGlyphSize * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(scale, scale);
    draw_browse_glyph(painter, 1, QPoint(0, 0), true);
    return pixmap;
}

}  // namespace

QIcon program_icon() {
    QIcon icon;
    icon.addPixmap(folder_pixmap(1));
    icon.addPixmap(folder_pixmap(2));
    return icon;
}

}  // namespace vane::desk
