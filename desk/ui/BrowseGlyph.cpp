#include "BrowseGlyph.h"

#include <QColor>
#include <QPainter>
#include <QPoint>

namespace vane::desk {

namespace {

// K outline, B back face (white and yellow alternating), F front face, '.' clear.
constexpr const char* kOpenFolder[kGlyphSize] = {
    "................",  //
    "..........KKK...",  //
    ".........K...K.K",  //
    "..............KK",  //
    ".KKK.........KKK",  //
    "KBBBKKKKKKK.....",  //
    "KBBBBBBBBBK.....",  //
    "KBBBBBBBBBK.....",  //
    "KBBBBKKKKKKKKKK.",  //
    "KBBBKFFFFFFFFFK.",  //
    "KBBKFFFFFFFFFK..",  //
    "KBKFFFFFFFFFK...",  //
    "KKFFFFFFFFFK....",  //
    "KKKKKKKKKKK.....",  //
    "................",  //
    "................",  //
};

constexpr const char* kClosedFolder[kGlyphSize] = {
    "................",  //
    "................",  //
    "................",  //
    ".KKKK...........",  //
    "KBBBBK..........",  //
    "KKKKKKKKKKKKKK..",  //
    "KFFFFFFFFFFFFK..",  //
    "KFFFFFFFFFFFFK..",  //
    "KFFFFFFFFFFFFK..",  //
    "KFFFFFFFFFFFFK..",  //
    "KFFFFFFFFFFFFK..",  //
    "KFFFFFFFFFFFFK..",  //
    "KKKKKKKKKKKKKK..",  //
    "................",  //
    "................",  //
    "................",  //
};

constexpr const char* kPage[kGlyphSize] = {
    "................",  //
    "..KKKKKKKK......",  //
    "..KBBBBBBKK.....",  //
    "..KBBBBBBKBK....",  //
    "..KBBBBBBKKKK...",  //
    "..KBKKKKKBBBK...",  //
    "..KBBBBBBBBBK...",  //
    "..KBKKKKKKKBK...",  //
    "..KBBBBBBBBBK...",  //
    "..KBKKKKKKKBK...",  //
    "..KBBBBBBBBBK...",  //
    "..KBKKKKKKKBK...",  //
    "..KBBBBBBBBBK...",  //
    "..KKKKKKKKKKK...",  //
    "................",  //
    "................",  //
};

}  // namespace

void draw_browse_glyph(QPainter& painter, int glyph, const QPoint& origin, bool enabled) {
    const char* const* rows = glyph == 2 ? kClosedFolder : glyph == 3 ? kPage : kOpenFolder;
    const QColor black = enabled ? QColor(0, 0, 0) : QColor(128, 128, 128);
    const QColor white(255, 255, 255);
    const QColor yellow = enabled ? QColor(255, 255, 0) : QColor(192, 192, 192);
    const QColor olive = enabled ? QColor(128, 128, 0) : QColor(128, 128, 128);
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x) {
            QColor colour;
            switch (rows[y][x]) {
                case 'K':
                    colour = black;
                    break;
                case 'B':
                    colour = (x + y) % 2 == 0 ? white : yellow;
                    break;
                case 'F':
                    colour = olive;
                    break;
                default:
                    continue;
            }
            painter.fillRect(origin.x() + x, origin.y() + y, 1, 1, colour);
        }
    }
}

}  // namespace vane::desk
