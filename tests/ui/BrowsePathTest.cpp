#include <gtest/gtest.h>

#include "BrowsePath.h"
#include "DialogUnits.h"

namespace vane::desk {
namespace {

TEST(BrowsePath, CurrentPathRule) {
    struct Case {
        const char* name;
        std::vector<std::string> chosen;
        const char* typed;  // null: nothing typed since the choice
        bool browsing;
        bool editable;
        const char* current;
    };
    const Case cases[] = {
        {"nothing", {}, nullptr, false, true, ""},
        {"chosen", {"/d/a.doc"}, nullptr, false, true, "/d/a.doc"},
        {"first of several", {"/d/a.doc", "/d/b.doc", "/d/c.doc"}, nullptr, false, true, "/d/a.doc"},
        {"typed other", {"/d/a.doc"}, "/d/other.doc", false, true, "/d/other.doc"},
        {"typed differs in case only", {"/d/a.doc"}, "/D/A.DOC", false, true, "/d/a.doc"},
        {"typed without a choice", {}, "/d/t.doc", false, true, "/d/t.doc"},
        {"typed empty", {"/d/a.doc"}, "", false, true, ""},
        {"change during a browse", {"/d/a.doc"}, "/d/x.doc", true, true, "/d/a.doc"},
        {"read-only field", {"/d/a.doc"}, "/d/x.doc", false, false, "/d/a.doc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BrowsePath path;
        path.Choose(c.chosen);
        if (c.typed != nullptr) path.TextChanged(c.typed, c.browsing, c.editable);
        EXPECT_EQ(path.CurrentPath(), c.current);
    }
}

TEST(BrowsePath, ChoosingAgainForgetsTheTypedText) {
    BrowsePath path;
    path.SetPath("/cmd/line.doc");
    EXPECT_EQ(path.CurrentPath(), "/cmd/line.doc");
    EXPECT_EQ(path.Chosen(), std::vector<std::string>{"/cmd/line.doc"});
    path.TextChanged("/typed.doc", false, true);
    EXPECT_EQ(path.CurrentPath(), "/typed.doc");
    path.Choose({"/chosen.doc"});
    EXPECT_FALSE(path.Typed());
    EXPECT_EQ(path.TypedText(), "/chosen.doc");
    EXPECT_EQ(path.CurrentPath(), "/chosen.doc");
}

TEST(BrowsePath, QtFilters) {
    struct Case {
        const char* filter;
        const char* qt;
    };
    const Case cases[] = {
        {"Word Files (*.doc; *.docx)|*.doc; *.docx|All Files (*.*)|*.*||",
         "Word Files (*.doc *.docx);;All Files (*)"},
        {"All Files (*.*)|*.*||", "All Files (*)"},
        {"Text|*.txt||", "Text (*.txt)"},
        {"Pictures (png)|*.png;*.jpg|", "Pictures (*.png *.jpg)"},
        {"Odd||ignored|*.x||", ""},
        {"", ""},
        {"No patterns||", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(qt_file_filter(c.filter), c.qt);
    }
}

TEST(DialogUnits, ConvertsThroughTheFontBaseUnits) {
    // The classic 8-point dialog font: base units 6 by 13.
    const DialogUnits units(6, 13);
    EXPECT_EQ(units.Rect(7, 7, 306, 14), (PixelRect{11, 11, 459, 23}));
    EXPECT_EQ(units.Rect(320, 200, 0, 0), (PixelRect{480, 325, 0, 0}));
    EXPECT_EQ(units.X(1), 2);  // 1.5 rounds up
    EXPECT_EQ(units.Y(3), 5);  // 4.875
    EXPECT_EQ(units.X(-7), -11);
    EXPECT_EQ(DialogUnits::AverageCharWidth(312), 6);  // 312 / 52 = 6
    EXPECT_EQ(DialogUnits::AverageCharWidth(338), 7);  // 6.5 rounds up
    EXPECT_EQ(DialogUnits::AverageCharWidth(337), 6);
}

}  // namespace
}  // namespace vane::desk
