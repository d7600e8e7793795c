#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Golden.h"
#include "TempDir.h"
#include "html/HTMLSplit.h"
#include "html/HTMLTree.h"

namespace vane {
namespace {

namespace fs = std::filesystem;
using test::expect_golden;
using test::golden_path;
using test::read_file;
using test::TempDir;

struct TreeCase {
    const char* name;  // golden tree/<name>.html
    std::vector<int> levels;
    std::vector<std::string> titles;
    bool homePage;
    bool excludeMarkers;
    std::vector<std::string> keptTitles;  // the titles after the marker filter
};

const std::vector<TreeCase>& tree_cases() {
    static const std::vector<TreeCase> cases = {
        {"nested",
         {0, 1, 2, 2, 1},
         {"Home", "A", "A.1", "A.2", "B"},
         true,
         false,
         {"Home", "A", "A.1", "A.2", "B"}},
        {"skiplevel",
         {0, 2, 3, 2},
         {"Home", "Two", "Three", "Two again"},
         true,
         false,
         {"Home", "Two", "Three", "Two again"}},
        {"lowerfirst", {0, 3, 1}, {"Home", "Three", "One"}, true, false, {"Home", "Three", "One"}},
        {"quotes",
         {0, 1, 1, 1},
         {"Tom's site", "It's done", "PM_$$REPLACE_QUOTE here", "C:\\Temp\\"},
         true,
         false,
         {"Tom's site", "It's done", "PM_$$REPLACE_QUOTE here", "C:\\Temp\\"}},
        {"markers",
         {0, 1, 1, 2, 1, 2, 1, 1, 2},
         {"Home", "One", "fv_exclude", "Three", "Four", "Five", "Fv_Include", "Eight", "Nine"},
         true,
         true,
         {"Home", "One", "Eight", "Nine"}},
        {"markersoff",
         {0, 1, 1, 1, 1},
         {"Home", "One", "FV_EXCLUDE", "Three", "FV_INCLUDE"},
         true,
         false,
         {"Home", "One", "FV_EXCLUDE", "Three", "FV_INCLUDE"}},
        {"unclosedmarker", {0, 1, 1, 1}, {"Home", "One", "FV_Exclude", "Three"}, true, true, {"Home", "One"}},
        {"nohome", {0, 1, 1}, {"Home", "One", "Two"}, false, false, {"Home", "One", "Two"}},
        {"single", {0}, {"Only"}, false, false, {"Only"}},
    };
    return cases;
}

TEST(HTMLTree, GoldenIndexes) {
    for (const TreeCase& c : tree_cases()) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        std::vector<int> levels = c.levels;
        std::vector<std::string> titles = c.titles;
        std::vector<std::string> pages;
        for (std::size_t i = 0; i < levels.size(); ++i)
            pages.push_back(dir.file("manual_" + std::to_string(i) + ".html"));

        HTMLTree tree;
        tree.inputPath = dir.file("manual.html");
        tree.homePage = c.homePage;
        tree.excludeMarkers = c.excludeMarkers;
        tree.levels = &levels;
        tree.pages = &pages;
        tree.titles = &titles;
        ASSERT_TRUE(tree.Build());

        EXPECT_EQ(titles, c.keptTitles);
        EXPECT_EQ(levels.size(), titles.size());
        EXPECT_EQ(pages.size(), titles.size());
        expect_golden(read_file(dir.file("manual_index.html")),
                      golden_path(std::string("tree/") + c.name + ".html"));
        EXPECT_TRUE(fs::exists(dir.file("dtree.js")));
        EXPECT_TRUE(fs::exists(dir.file("manual.css")));
    }
}

TEST(HTMLTree, EmptyListsWriteNothing) {
    TempDir dir;
    std::vector<int> levels;
    std::vector<std::string> pages, titles;
    HTMLTree tree;
    tree.inputPath = dir.file("manual.html");
    tree.levels = &levels;
    tree.pages = &pages;
    tree.titles = &titles;
    EXPECT_TRUE(tree.Build());
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(HTMLTree, RefusesInconsistentOrMissingLists) {
    TempDir dir;
    std::vector<int> levels{0, 1};
    std::vector<std::string> pages{dir.file("m_0.html")};
    std::vector<std::string> titles{"Home", "One"};
    HTMLTree tree;
    tree.inputPath = dir.file("m.html");
    tree.levels = &levels;
    tree.pages = &pages;
    tree.titles = &titles;
    EXPECT_FALSE(tree.Build());
    EXPECT_FALSE(HTMLTree().Build());
}

TEST(HTMLTree, FailsWhenTheDirectoryIsMissing) {
    TempDir dir;
    std::vector<int> levels{0};
    std::vector<std::string> pages{dir.file("gone/m_0.html")};
    std::vector<std::string> titles{"Home"};
    HTMLTree tree;
    tree.inputPath = dir.file("gone/m.html");
    tree.levels = &levels;
    tree.pages = &pages;
    tree.titles = &titles;
    EXPECT_FALSE(tree.Build());
}

// The splitter's lists feed the index directly.
TEST(HTMLTree, IndexOfASplitDocument) {
    TempDir dir;
    const std::string input = dir.file("manual.html");
    fs::copy_file(golden_path("split/basic/input.html"), input);
    std::vector<int> levels;
    std::vector<std::string> pages, titles;
    HTMLSplit split;
    split.inputPath = input;
    split.title = "The Manual";
    split.levels = &levels;
    split.pages = &pages;
    split.titles = &titles;
    ASSERT_TRUE(split.Split());

    HTMLTree tree;
    tree.inputPath = input;
    tree.levels = &levels;
    tree.pages = &pages;
    tree.titles = &titles;
    ASSERT_TRUE(tree.Build());
    expect_golden(read_file(dir.file("manual_index.html")), golden_path("tree/fromsplit.html"));
}

}  // namespace
}  // namespace vane
