#include "pdf/PageOrientation.h"

#include <stdexcept>
#include <string>

#include "word/WordConstants.h"

namespace vane {

bool is_landscape_page(const std::vector<std::uint32_t>& orientations, std::int32_t page) {
    if (page < 1 || static_cast<std::size_t>(page) > orientations.size()) return false;
    return orientations[static_cast<std::size_t>(page - 1)] == static_cast<std::uint32_t>(word::kLandscape);
}

bool is_landscape_known_page(const std::vector<std::uint32_t>& orientations, std::int32_t page) {
    if (page < 1 || static_cast<std::size_t>(page) > orientations.size()) {
        throw std::invalid_argument("page " + std::to_string(page) + " is not in the document");
    }
    return is_landscape_page(orientations, page);
}

}  // namespace vane
