// Converts dialog-template units into pixels from a font's base units: x
// quarters of the average character width, y eighths of the character height.
#pragma once

namespace vane::desk {

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

class DialogUnits {
public:
    // baseWidth: average character width; baseHeight: character height (pixels).
    DialogUnits(int baseWidth, int baseHeight) : baseWidth_(baseWidth), baseHeight_(baseHeight) {}

    // The average width of the 52 letters of a font whose "A".."Z","a".."z"
    // run is lettersWidth pixels wide, rounded to the nearest pixel.
    static int AverageCharWidth(int lettersWidth) { return (lettersWidth / 26 + 1) / 2; }

    int X(int units) const { return Scale(units, baseWidth_, 4); }
    int Y(int units) const { return Scale(units, baseHeight_, 8); }
    PixelRect Rect(int x, int y, int width, int height) const { return {X(x), Y(y), X(width), Y(height)}; }

    int BaseWidth() const { return baseWidth_; }
    int BaseHeight() const { return baseHeight_; }

private:
    // units * base / divisor, rounded half away from zero.
    static int Scale(int units, int base, int divisor) {
        const long long product = static_cast<long long>(units) * base;
        return static_cast<int>(product >= 0 ? (product * 2 + divisor) / (2 * divisor)
                                             : -((-product * 2 + divisor) / (2 * divisor)));
    }

    int baseWidth_;
    int baseHeight_;
};

}  // namespace vane::desk
