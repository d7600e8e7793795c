#include "pdf/CBookmark.h"

#include <utility>

namespace vane {

CBookmark::CBookmark(std::string value, std::int32_t level, std::int32_t page, std::int32_t y)
    : value(std::move(value)), level(level), page(page), y(y) {}

CBookmark::~CBookmark() = default;

}  // namespace vane
