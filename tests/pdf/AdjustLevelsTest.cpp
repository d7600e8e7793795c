// Nesting of the outline: depth from the levels as found, and /Count as minus
// the number of direct children.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "pdf/CBookmarkList.h"
#include "word/CDocinfo.h"

namespace vane {
namespace {

struct Case {
    std::vector<int> levels;
    std::vector<int> depths;
    std::vector<int> counts;
};

TEST(AdjustLevels, DepthsAndCountsFollowTheLevels) {
    const Case cases[] = {
        {{1, 2, 3, 2, 1}, {1, 2, 3, 2, 1}, {-2, -1, 0, 0, 0}},
        {{2, 4, 3}, {1, 2, 2}, {-2, 0, 0}},
        {{1, 3, 2}, {1, 2, 2}, {-2, 0, 0}},
        {{1}, {1}, {0}},
        {{1, 1, 1}, {1, 1, 1}, {0, 0, 0}},
        {{1, 2, 1, 2, 2}, {1, 2, 1, 2, 2}, {-1, 0, -2, 0, 0}},
        {{3, 2, 1}, {1, 1, 1}, {0, 0, 0}},                       // no earlier entry of the level
        {{1, 2, 3, 4, 2}, {1, 2, 3, 4, 2}, {-2, -1, -1, 0, 0}},  // back up several depths
        {{1, 2, 3, 1, 3}, {1, 2, 3, 1, 2}, {-1, -1, 0, -1, 0}},
    };
    CDocinfo info;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.levels));
        CBookmarkList list(&info);
        for (int level : c.levels) list.entries.push_back(std::make_unique<CBookmark>("t", level, 1, 0));

        list.adjustLevels();

        std::vector<int> depths;
        std::vector<int> counts;
        for (const auto& e : list.entries) {
            depths.push_back(e->depth);
            counts.push_back(e->count);
        }
        EXPECT_EQ(depths, c.depths);
        EXPECT_EQ(counts, c.counts);
    }
}

// Entries left without a title (a table-of-contents entry whose target is
// gone) are not written, so they must not count as children nor shift the
// nesting of those that are.
TEST(AdjustLevels, EntriesWithoutTitleTakeNoPart) {
    CDocinfo info;
    CBookmarkList list(&info);
    list.entries.push_back(std::make_unique<CBookmark>("A", 1, 1, 0));
    list.entries.push_back(std::make_unique<CBookmark>("B", 2, 1, 0));
    list.entries.push_back(std::make_unique<CBookmark>("", 0, 0, 0));
    list.entries.push_back(std::make_unique<CBookmark>("D", 1, 1, 0));

    list.adjustLevels();

    EXPECT_EQ(list.entries[0]->count, -1);
    EXPECT_EQ(list.entries[1]->depth, 2);
    EXPECT_EQ(list.entries[3]->depth, 1);
    EXPECT_EQ(list.entries[3]->count, 0);
    EXPECT_EQ(list.entries[2]->count, 0);
}

}  // namespace
}  // namespace vane
