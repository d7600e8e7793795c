// Page setup values read from one or more of the office's page styles.
#pragma once

#include <vector>

#include "word/PageSetup.h"
#include "word/office/PageGeometry.h"

namespace vane {

class OfficePageSetup final : public word::PageSetup {
public:
    // The values of `styles` taken together: where they differ, kUndefined.
    explicit OfficePageSetup(const std::vector<PageStyleInfo>& styles);

    int orientation() override { return orientation_; }
    float pageHeight() override { return height_; }
    float pageWidth() override { return width_; }
    float topMargin() override { return top_; }
    float bottomMargin() override { return bottom_; }
    float leftMargin() override { return left_; }
    float rightMargin() override { return right_; }
    bool differentFirstPageHeaderFooter() override { return differentFirst_; }
    bool oddAndEvenPagesHeaderFooter() override { return oddAndEven_; }

private:
    int orientation_ = 0;
    float height_ = 0, width_ = 0, top_ = 0, bottom_ = 0, left_ = 0, right_ = 0;
    bool differentFirst_ = false;
    bool oddAndEven_ = false;
};

}  // namespace vane
