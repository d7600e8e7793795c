// Writing out, running and removing the stored filter program, and the
// child-process runner under it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TempDir.h"
#include "frame/FileUtil.h"
#include "html/HtmlFilterRunner.h"
#include "html/StoredBlock.h"
#include "platform/Env.h"

namespace vane {
namespace {

using test::read_file;
using test::TempDir;
using test::write_text;

std::string source_dir() {
    const char* dir = std::getenv("VANE_SOURCE_DIR");
    return dir != nullptr ? dir : VANE_SOURCE_DIR_DEFAULT;
}

std::vector<std::string> names_in(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(HtmlFilterRunnerTest, FiltersAndLeavesNoProgramBehind) {
    if (stored_filter_program().size == 0) GTEST_SKIP() << "this build stores no filter program";
    TempDir dir;
    const std::string input = dir.file("guide.html");
    ASSERT_TRUE(
        copy_file(input.c_str(), (source_dir() + "/tests/data/html/filter/word_export.html").c_str()));
    const std::string output = input + ".filtered";
    ASSERT_TRUE(run_html_filter(input, output));
    EXPECT_EQ(read_file(output),
              read_file(source_dir() + "/tests/data/html/filter/word_export.filtered.html"));
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"guide.html", "guide.html.filtered"}));
}

// File names with quotes, a backslash before a quote, percent signs or
// non-ASCII letters reach the filter whole: it runs and writes its output there.
TEST(HtmlFilterRunnerTest, FiltersFilesWithAwkwardNames) {
    if (stored_filter_program().size == 0) GTEST_SKIP() << "this build stores no filter program";
#ifdef _WIN32
    GTEST_SKIP() << "such names are not allowed on Windows";
#endif
    const char* names[] = {"say \"hi\" it's.html", "back\\\"slash.html", "100% done.html",
                           "\xc3\xa9l\xc3\xa8ve.html"};
    for (const std::string name : names) {
        SCOPED_TRACE(name);
        TempDir dir;
        const std::string input = dir.file(name);
        ASSERT_TRUE(
            copy_file(input.c_str(), (source_dir() + "/tests/data/html/filter/word_export.html").c_str()));
        ASSERT_TRUE(run_html_filter(input, input + ".filtered"));
        EXPECT_EQ(read_file(input + ".filtered"),
                  read_file(source_dir() + "/tests/data/html/filter/word_export.filtered.html"));
        EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{name, name + ".filtered"}));
    }
}

TEST(HtmlFilterRunnerTest, FailedFilterReportsFailureAndLeavesNothing) {
    TempDir dir;
    const std::string input = dir.file("gone.html");  // never written
    EXPECT_FALSE(run_html_filter(input, input + ".filtered"));
    EXPECT_TRUE(names_in(dir.path()).empty());
}

TEST(HtmlFilterRunnerTest, UnwritableFolderFailsBeforeRunning) {
    TempDir dir;
    EXPECT_FALSE(run_html_filter(dir.file("missing/guide.html"), dir.file("missing/guide.html.filtered")));
    EXPECT_TRUE(names_in(dir.path()).empty());
}

TEST(HtmlFilterRunnerTest, RunChildRefusesNullAndBlankCommandLines) {
    const char* cases[] = {nullptr, "", "   ", "\t\r\n"};
    for (const char* line : cases) {
        SCOPED_TRACE(line == nullptr ? "(null)" : line);
        int code = 99;
        EXPECT_EQ(run_child(line, code), -1);
        EXPECT_EQ(code, 0);
    }
}

TEST(HtmlFilterRunnerTest, RunChildReportsAProgramThatCannotStart) {
    TempDir dir;
    int code = 99;
    EXPECT_EQ(run_child(("\"" + dir.file("nothing") + "\" -b").c_str(), code), -1);
}

TEST(HtmlFilterRunnerTest, RunChildGivesTheExitCodeAndRunsInTheProgramFolder) {
#ifdef _WIN32
    GTEST_SKIP() << "needs a POSIX shell";
#endif
    TempDir dir;
    std::filesystem::create_directory(dir.file("bin dir"));
    const std::string program = dir.file("bin dir/probe.sh");
    write_text(program, "#!/bin/sh\npwd > \"$1\"\nexit 7\n");
    ASSERT_TRUE(env().makeExecutable(program));
    const std::string record = dir.file("where.txt");
    // Quoted program path with a space, and doubled spaces that get normalised.
    const std::string line = "\"" + program + "\"   \"" + record + "\"";
    int code = 0;
    ASSERT_EQ(run_child(line.c_str(), code), 0);
    EXPECT_EQ(code, 7);
    EXPECT_EQ(read_file(record), dir.file("bin dir") + "\n");
}

}  // namespace
}  // namespace vane
