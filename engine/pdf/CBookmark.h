// One entry of the PDF outline: a title, where it leads, and its place in the
// nesting once the list has been adjusted.
#pragma once

#include <cstdint>
#include <string>

namespace vane {

class CBookmark {
public:
    CBookmark(std::string value, std::int32_t level, std::int32_t page, std::int32_t y);
    ~CBookmark();

    std::string value;       // title shown (UTF-8); an entry with an empty value is not written
    std::int32_t level = 0;  // heading level as found; 0 until resolved
    std::int32_t page = 0;   // 1-based page; 0 until resolved
    std::int32_t y = 0;      // destination, points from the page bottom
    std::int32_t count = 0;  // written as /Count: minus the number of direct children; 0: none
    std::int32_t depth = 1;  // nesting depth after adjustment, 1 = top level
};

}  // namespace vane
