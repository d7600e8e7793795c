// Which pages are landscape, from the orientation the document information
// holds for each page (the word processor's code, page n at index n - 1).
#pragma once

#include <cstdint>
#include <vector>

namespace vane {

// Whether page `page` (from 1) is landscape; a page the list does not hold is not.
bool is_landscape_page(const std::vector<std::uint32_t>& orientations, std::int32_t page);

// The same for a page that must be known: throws std::invalid_argument for
// one the list does not hold.
bool is_landscape_known_page(const std::vector<std::uint32_t>& orientations, std::int32_t page);

}  // namespace vane
