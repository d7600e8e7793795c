#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Golden.h"
#include "TempDir.h"
#include "html/HTMLSplit.h"
#include "html/StoredBlock.h"

namespace vane {
namespace {

namespace fs = std::filesystem;
using test::expect_golden;
using test::expect_golden_dir;
using test::golden_path;
using test::read_file;
using test::TempDir;
using test::write_text;

struct Lists {
    std::vector<int> levels;
    std::vector<std::string> pages;
    std::vector<std::string> titles;
};

void attach(HTMLSplit& split, Lists& lists) {
    split.levels = &lists.levels;
    split.pages = &lists.pages;
    split.titles = &lists.titles;
}

// One line per page: level, file name, title; then the trace.
std::string describe(const Lists& lists, const std::string& directory, const std::string& trace) {
    std::string text;
    for (std::size_t i = 0; i < lists.pages.size(); ++i) {
        const std::string& page = lists.pages[i];
        const std::string prefix = directory + "/";
        const std::string name = page.rfind(prefix, 0) == 0 ? page.substr(prefix.size()) : "?" + page;
        text += std::to_string(lists.levels[i]) + "\t" + name + "\t" + lists.titles[i] + "\n";
    }
    return text + "trace:" + trace + "\n";
}

struct SplitCase {
    const char* name;   // golden folder under split/
    const char* input;  // folder of input.html under split/
    int headingLevel;
    int skipCount;
    bool homePage;
    bool navigation;
    bool verbose;
    const char* title;
};

const SplitCase kSplitCases[] = {
    {"basic", "basic", 3, 0, true, true, true, "  The   Manual "},
    {"clamp", "basic", 9, -3, true, true, false, "Manual"},
    {"level0", "level0", 0, 0, true, true, true, "Flat"},
    {"skip", "skip", 3, 2, true, true, true, "Skip"},
    {"emptyheading", "emptyheading", 3, 0, true, true, false, "Empty"},
    {"threelines", "threelines", 3, 0, true, true, false, "Lines"},
    {"bodylines", "bodylines", 3, 0, true, true, false, "Body"},
    {"nohome", "nohome", 3, 0, false, true, false, "No home"},
    {"onepage", "onepage", 3, 0, true, true, false, "One"},
    {"nonav", "onepage", 3, 0, true, false, false, "One"},
    {"anchors", "anchors", 3, 0, true, true, false, "Anchors"},
    {"lastanchor", "lastanchor", 3, 0, true, true, false, "Last"},
    {"uppercase", "uppercase", 3, 0, true, true, false, "Upper"},
    {"nobody", "nobody", 3, 0, true, true, false, "No body"},
    {"crlf", "crlf", 3, 0, true, true, false, "CR"},
};

TEST(HTMLSplit, GoldenSites) {
    for (const SplitCase& c : kSplitCases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string input = dir.file("manual.html");
        fs::copy_file(golden_path(std::string("split/") + c.input + "/input.html"), input);
        Lists lists;
        HTMLSplit split;
        split.headingLevel = c.headingLevel;
        split.skipCount = c.skipCount;
        split.homePage = c.homePage;
        split.navigation = c.navigation;
        split.verbose = c.verbose;
        split.title = c.title;
        split.inputPath = input;
        attach(split, lists);

        testing::internal::CaptureStdout();
        const bool ok = split.Split();
        const std::string trace = testing::internal::GetCapturedStdout();
        ASSERT_TRUE(ok);
        ASSERT_EQ(lists.levels.size(), lists.pages.size());
        ASSERT_EQ(lists.titles.size(), lists.pages.size());

        const std::string base = std::string("split/") + c.name;
        expect_golden(describe(lists, dir.path(), trace), golden_path(base + "/result.txt"));
        expect_golden_dir(dir.path(), golden_path(base + "/expected"),
                          {"manual.html", "previous.png", "next.png"});
        for (const char* image : {"previous.png", "next.png"}) {
            const StoredBlock* block = find_site_block(image);
            ASSERT_NE(block, nullptr);
            EXPECT_EQ(read_file(dir.file(image)),
                      std::string(reinterpret_cast<const char*>(block->bytes), block->size));
        }
    }
}

TEST(HTMLSplit, LongLinesAreCutIntoPieces) {
    TempDir dir;
    const std::string input = dir.file("long.html");
    write_text(input, "<html><body>\n" + std::string(20000, 'a') + "<h1>T</h1>\n</body></html>\n");
    Lists lists;
    HTMLSplit split;
    split.inputPath = input;
    split.navigation = false;
    attach(split, lists);
    ASSERT_TRUE(split.Split());
    ASSERT_EQ(lists.pages.size(), 2u);
    // The rest of the body line (empty) ends with its own line feed.
    const std::string head = "<html><link rel=\"stylesheet\" href=\"long.css\" type=\"text/css\"><body>\n";
    EXPECT_EQ(read_file(dir.file("long_0.html")), head + "\n" + std::string(16382, 'a') + "\n" +
                                                      std::string(20000 - 16382, 'a') +
                                                      "\n</body>\n</html>\n");
    EXPECT_EQ(read_file(dir.file("long_1.html")), head + "<h1>T</h1>\n</body></html>\n");
}

TEST(HTMLSplit, FailsOnBrokenInput) {
    struct Case {
        const char* name;
        const char* content;
    };
    const Case cases[] = {
        {"heading never closed", "<html><body>\n<h1>never closed\n<p>x</p>\n"},
        {"heading end tag without '>'", "<html><body>\n<h1>closed</h1\nno tag follows\n"},
        {"body tag never closed", "<html>\n<body lang=\"en\"\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        write_text(dir.file("broken.html"), c.content);
        Lists lists;
        HTMLSplit split;
        split.inputPath = dir.file("broken.html");
        attach(split, lists);
        EXPECT_FALSE(split.Split());
    }
}

TEST(HTMLSplit, FailsWithoutInputOrLists) {
    TempDir dir;
    Lists lists;
    HTMLSplit missing;
    missing.inputPath = dir.file("missing.html");
    attach(missing, lists);
    EXPECT_FALSE(missing.Split());

    write_text(dir.file("doc.html"), "<html><body>\n<h1>A</h1>\n</body></html>\n");
    HTMLSplit unattached;
    unattached.inputPath = dir.file("doc.html");
    EXPECT_FALSE(unattached.Split());
}

TEST(HTMLSplit, ClearsListsAndFailsInUnwritableDirectory) {
    TempDir dir;
    write_text(dir.file("doc.html"), "<html><body>\n<h1>A</h1>\n</body></html>\n");
    Lists lists{{7, 7}, {"old", "old"}, {"old", "old"}};
    HTMLSplit split;
    split.inputPath = dir.file("doc.html");
    attach(split, lists);
    ASSERT_TRUE(split.Split());
    EXPECT_EQ(lists.levels, (std::vector<int>{0, 1}));

    HTMLSplit nowhere;
    nowhere.inputPath = dir.file("no/such/dir/doc.html");
    attach(nowhere, lists);
    EXPECT_FALSE(nowhere.Split());
}

}  // namespace
}  // namespace vane
