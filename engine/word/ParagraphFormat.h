// Paragraph formatting of a style.
#pragma once

namespace vane::word {

class ParagraphFormat {
public:
    virtual ~ParagraphFormat() = default;
    // 1 to 9 for outline (heading) levels, kOutlineBodyText for body text.
    virtual int outlineLevel() = 0;
};

}  // namespace vane::word
