#include "word/office/OfficePageSetup.h"

#include <stdexcept>

#include "word/WordConstants.h"

namespace vane {

namespace {

// One value in points for all styles, kUndefined when they differ.
template <typename Field>
float common_points(const std::vector<PageStyleInfo>& styles, Field field) {
    for (const PageStyleInfo& style : styles) {
        if (field(style) != field(styles.front())) return static_cast<float>(word::kUndefined);
    }
    return static_cast<float>(hmm_to_points(field(styles.front())));
}

}  // namespace

OfficePageSetup::OfficePageSetup(const std::vector<PageStyleInfo>& styles) {
    if (styles.empty()) throw std::runtime_error("no page style");
    orientation_ = styles.front().landscape ? word::kLandscape : word::kPortrait;
    for (const PageStyleInfo& style : styles) {
        if (style.landscape != styles.front().landscape) orientation_ = word::kUndefined;
        if (!style.headerShared) oddAndEven_ = true;
    }
    height_ = common_points(styles, [](const PageStyleInfo& s) { return s.height; });
    width_ = common_points(styles, [](const PageStyleInfo& s) { return s.width; });
    top_ = common_points(styles, [](const PageStyleInfo& s) { return s.topMargin; });
    bottom_ = common_points(styles, [](const PageStyleInfo& s) { return s.bottomMargin; });
    left_ = common_points(styles, [](const PageStyleInfo& s) { return s.leftMargin; });
    right_ = common_points(styles, [](const PageStyleInfo& s) { return s.rightMargin; });
    differentFirst_ = !styles.front().firstShared;
}

}  // namespace vane
