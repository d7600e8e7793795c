// The pixels of the browse button's 16 by 16 pictures, without any toolkit:
// each front-end paints them with its own drawing calls.
#pragma once

namespace vane::desk {

inline constexpr int kGlyphSize = 16;

struct GlyphColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const GlyphColour&) const = default;
};

// The colour of pixel (x, y) of glyph 1 (an opened folder with a bent arrow),
// 2 (a closed folder) or 3 (a page), greyed when disabled; false for a clear
// pixel or a position outside the picture.
bool browse_glyph_pixel(int glyph, int x, int y, bool enabled, GlyphColour& colour);

}  // namespace vane::desk
