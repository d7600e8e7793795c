// Character formatting of a range.
#pragma once

namespace vane::word {

class Font {
public:
    virtual ~Font() = default;
    // Font size in points; kUndefined when the range mixes sizes.
    virtual float size() = 0;
};

}  // namespace vane::word
