#include "BrowseGlyphPattern.h"

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

bool browse_glyph_pixel(int glyph, int x, int y, bool enabled, GlyphColour& colour) {
    if (x < 0 || y < 0 || x >= kGlyphSize || y >= kGlyphSize) return false;
    const char* const* rows = glyph == 2 ? kClosedFolder : glyph == 3 ? kPage : kOpenFolder;
    switch (rows[y][x]) {
        case 'K':
            colour = enabled ? GlyphColour{0, 0, 0} : GlyphColour{128, 128, 128};
            return true;
        case 'B':
            if ((x + y) % 2 == 0)
                colour = GlyphColour{255, 255, 255};
            else
                colour = enabled ? GlyphColour{255, 255, 0} : GlyphColour{192, 192, 192};
            return true;
        case 'F':
            colour = enabled ? GlyphColour{128, 128, 0} : GlyphColour{128, 128, 128};
            return true;
        default:
            return false;
    }
}

}  // namespace vane::desk
