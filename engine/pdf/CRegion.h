// One clickable rectangle of a link in PDF user space, tagged with its page.
#pragma once

#include <cstdint>

namespace vane {

class CRegion {
public:
    CRegion() = default;
    CRegion(std::int32_t page, std::int32_t top, std::int32_t bottom, std::int32_t left, std::int32_t right)
        : page(page), top(top), bottom(bottom), left(left), right(right) {}
    ~CRegion() = default;

    std::int32_t page = 0;  // 1-based; -1 when no page holds the measured position
    std::int32_t top = 0;   // points from the page bottom
    std::int32_t bottom = 0;
    std::int32_t left = 0;  // points from the page left (turned over on landscape pages)
    std::int32_t right = 0;
};

}  // namespace vane
