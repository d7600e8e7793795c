#include <gtest/gtest.h>

#include <vector>

#include "OpenFake.h"

namespace vane::test {
namespace {

using namespace vane::word;

TEST(FakeGoTo, PageWalkEndsOnTheRepeatedLastPage) {
    FakeWord fake;
    write_sample(fake.document());
    OpenFake w;
    std::vector<int> starts;
    auto r = w.sel->goToFirst(kGoToPage);
    for (int n = 2; r != nullptr; ++n) {
        int start = r->start();
        if (!starts.empty() && starts.back() == start) break;
        starts.push_back(start);
        ASSERT_LT(n, 10);
        r = w.sel->goToPage(n);
    }
    EXPECT_EQ(starts, (std::vector<int>{0, 50, 63}));
}

TEST(FakeGoTo, HeadingWalkFollowsOutlineLevels) {
    FakeWord fake;
    write_sample(fake.document());
    OpenFake w;
    std::vector<int> starts;
    auto r = w.sel->goToFirst(kGoToHeading);
    while (r != nullptr) {
        int start = r->start();
        if (!starts.empty() && starts.back() == start) break;
        starts.push_back(start);
        // The walk selects the whole paragraph before moving on, as the outline does.
        w.sel->startOf(kUnitParagraph, kMove);
        w.sel->endOf(kUnitParagraph, kExtend);
        ASSERT_LT(starts.size(), 10u);
        r = w.sel->goToNext(kGoToHeading);
    }
    EXPECT_EQ(starts, (std::vector<int>{0, 50, 63}));
}

TEST(FakeGoTo, NoHeadingGivesNoRange) {
    FakeWord fake;
    fake.document().paragraph().line("Only body", 72);
    OpenFake w;
    EXPECT_EQ(w.sel->goToFirst(kGoToHeading), nullptr);
}

TEST(FakeGoTo, RelativeTargets) {
    struct Case {
        const char* name;
        int from;
        int what;
        int which;
        int expected;
    };
    const Case cases[] = {
        {"next line from the first", 0, kGoToLine, kGoToNext, 13},
        {"next line from inside a wrapped paragraph", 20, kGoToLine, kGoToNext, 34},
        {"previous line", 40, kGoToLine, kGoToPrevious, 13},
        {"previous line at the start stays", 0, kGoToLine, kGoToPrevious, 0},
        {"next page", 5, kGoToPage, kGoToNext, 50},
        {"previous page", 60, kGoToPage, kGoToPrevious, 0},
        {"next heading from body", 20, kGoToHeading, kGoToNext, 50},
        {"previous heading from body", 60, kGoToHeading, kGoToPrevious, 50},
        {"next heading after the last stays on it", 72, kGoToHeading, kGoToNext, 63},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWord fake;
        write_sample(fake.document());
        OpenFake w;
        w.sel->goToFirst(kGoToPage);
        w.sel->move(kUnitCharacter, c.from);
        auto r = w.sel->goTo(c.what, c.which, std::nullopt, {});
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->start(), c.expected);
        EXPECT_EQ(w.sel->start(), c.expected);
        EXPECT_EQ(w.sel->range()->end(), c.expected);  // collapsed at the target
    }
}

TEST(FakeGoTo, BookmarkSelectsItsRangeAndUnknownThrows) {
    FakeWord fake;
    write_sample(fake.document());
    fake.document().bookmarkOn("Details", "_Toc42");
    OpenFake w;
    auto r = w.sel->goToBookmark("_Toc42");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->text(), "Details");
    EXPECT_EQ(w.sel->range()->text(), "Details");
    EXPECT_EQ(w.sel->information(kInfoActiveEndPageNumber), 2);
    EXPECT_THROW(w.sel->goToBookmark("_Toc43"), WordError);
}

TEST(FakeGoTo, AnEmptyDocumentHasOnePageAndOneParagraph) {
    FakeWord fake;
    OpenFake w;
    auto first = w.sel->goToFirst(kGoToPage);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->start(), 0);
    EXPECT_EQ(w.sel->goToPage(2)->start(), 0);
    w.sel->endOf(kUnitParagraph, kExtend);
    EXPECT_EQ(w.sel->range()->text(), "\r");
    EXPECT_EQ(w.sel->information(kInfoActiveEndPageNumber), 1);
    EXPECT_EQ(w.sel->information(kInfoVerticalPosition), 72);
    EXPECT_EQ(w.doc->fields()->count(), 0);
    EXPECT_EQ(w.doc->hyperlinks()->count(), 0);
}

}  // namespace
}  // namespace vane::test
