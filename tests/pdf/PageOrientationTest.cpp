// Which pages are landscape, from the orientations of the document information.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "pdf/PageOrientation.h"

namespace vane {
namespace {

TEST(PageOrientation, PagesCountFromOneAndOnlyTheLandscapeCodeIsLandscape) {
    const std::vector<std::uint32_t> orientations = {0, 1, 0, 2, 1};
    struct Case {
        std::int32_t page;
        bool known;
        bool landscape;
    };
    const Case cases[] = {
        {1, true, false}, {2, true, true},   {3, true, false}, {4, true, false},
        {5, true, true},  {0, false, false}, {6, false, false}, {-1, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(is_landscape_page(orientations, c.page), c.landscape) << c.page;
        if (c.known) {
            EXPECT_EQ(is_landscape_known_page(orientations, c.page), c.landscape) << c.page;
        } else {
            EXPECT_THROW(is_landscape_known_page(orientations, c.page), std::invalid_argument) << c.page;
        }
    }
    EXPECT_FALSE(is_landscape_page({}, 1));
}

}  // namespace
}  // namespace vane
