// The HTML filter program, run as the built executable on office exports.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "SiteCheck.h"
#include "TempDir.h"
#include "frame/FileUtil.h"
#include "html/HTMLSplit.h"

namespace vane {
namespace {

using test::read_file;
using test::TempDir;
using test::write_text;

std::string source_dir() {
    const char* dir = std::getenv("VANE_SOURCE_DIR");
    return dir != nullptr ? dir : VANE_SOURCE_DIR_DEFAULT;
}

std::string fixture(const std::string& name) {
    return source_dir() + "/tests/data/html/filter/" + name;
}

// Runs the filter with the given argument text; returns its exit code.
int run_filter(const std::string& arguments) {
    const std::string command = std::string("\"") + VANE_HTMLFILTER_PATH + "\" " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int filter(const std::string& input, const std::string& output) {
    return run_filter("-b -f -a \"" + input + "\" \"" + output + "\"");
}

TEST(HtmlFilterTest, CleansAWordExportToGolden) {
    TempDir dir;
    ASSERT_EQ(filter(fixture("word_export.html"), dir.file("out.html")), 0);
    const std::string golden = read_file(fixture("word_export.filtered.html"));
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(read_file(dir.file("out.html")), golden);
}

struct ContentCase {
    const char* text;
    bool present;
};

constexpr ContentCase kContent[] = {
    // office markup, styles and conditional comments go
    {"mso-", false},
    {"<o:p", false},
    {"v:shape", false},
    {"[if", false},
    {"endif", false},
    {"<style", false},
    {"style=", false},
    {"class=", false},
    {"xmlns", false},
    {"<font", false},
    {"<span", false},
    {"Generator", false},
    {"<!--", false},
    // structure, anchors, links and images stay
    {"<title>Field guide</title>", true},
    {"charset=windows-1252", true},
    {"<h1><a name=\"_Toc100\"", true},
    {"<h2><a name=\"_Toc101\"", true},
    {"<a href=\"#_Toc100\">Getting started</a>", true},
    {"<a href=\"https://example.org/download\">the download page</a>", true},
    {"src=\"guide_files/image002.png\"", true},
    {"Caf\xe9 opening words", true},  // bytes of the declared encoding kept
};

TEST(HtmlFilterTest, DropsOfficeMarkupAndKeepsStructure) {
    TempDir dir;
    ASSERT_EQ(filter(fixture("word_export.html"), dir.file("out.html")), 0);
    const std::string out = read_file(dir.file("out.html"));
    for (const ContentCase& c : kContent) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(out.find(c.text) != std::string::npos, c.present);
    }
}

TEST(HtmlFilterTest, BodyStartTagAndLongParagraphsStayOnOneLine) {
    TempDir dir;
    ASSERT_EQ(filter(fixture("word_export.html"), dir.file("out.html")), 0);
    std::istringstream lines(read_file(dir.file("out.html")));
    std::string line;
    bool bodySeen = false;
    bool sentenceSeen = false;
    while (std::getline(lines, line)) {
        if (line.rfind("<body", 0) == 0) {
            bodySeen = true;
            EXPECT_NE(line.find('>'), std::string::npos) << line;
        }
        if (line.find("Install the tool") != std::string::npos) {
            sentenceSeen = true;
            EXPECT_NE(line.find("in the middle."), std::string::npos) << line;
        }
        // every tag closes on the line where it opens
        EXPECT_GE(line.rfind('>') == std::string::npos ? 0 : line.rfind('>') + 1, line.rfind('<') + 1)
            << line;
    }
    EXPECT_TRUE(bodySeen);
    EXPECT_TRUE(sentenceSeen);
}

TEST(HtmlFilterTest, MissingInputFailsWithoutOutput) {
    TempDir dir;
    EXPECT_NE(filter(dir.file("absent.html"), dir.file("out.html")), 0);
    EXPECT_FALSE(file_exists(dir.file("out.html").c_str()));
}

TEST(HtmlFilterTest, BinaryInputFailsWithoutOutput) {
    TempDir dir;
    write_text(dir.file("in.html"), std::string("PK\x03\x04\0\0<html>", 12));
    EXPECT_NE(filter(dir.file("in.html"), dir.file("out.html")), 0);
    EXPECT_FALSE(file_exists(dir.file("out.html").c_str()));
}

// Stray markup inside a tag leaves tidy an attribute without a name; the
// filter once threw on it while deciding whether to keep the element.
struct StrayCase {
    const char* tag;
    bool metaKept;
};

constexpr StrayCase kStray[] = {
    {"<meta <%p%> charset=\"utf-8\">", true},
    {"<meta <%p %>>", false},
    {"<link <%x%> rel=\"stylesheet\" href=\"a.css\">", false},
};

TEST(HtmlFilterTest, StrayMarkupInsideTagsIsCleaned) {
    for (const StrayCase& c : kStray) {
        SCOPED_TRACE(c.tag);
        TempDir dir;
        write_text(dir.file("in.html"), std::string("<html>\n<head>\n") + c.tag +
                                            "\n</head>\n<body>\n<p>Kept text</p>\n</body>\n</html>\n");
        ASSERT_EQ(filter(dir.file("in.html"), dir.file("out.html")), 0);
        const std::string out = read_file(dir.file("out.html"));
        EXPECT_NE(out.find("<p>Kept text</p>"), std::string::npos) << out;
        EXPECT_EQ(out.find("<meta") != std::string::npos, c.metaKept) << out;
        EXPECT_EQ(out.find("<link"), std::string::npos) << out;
    }
}

TEST(HtmlFilterTest, UnwritableOutputFails) {
    TempDir dir;
    EXPECT_NE(filter(fixture("word_export.html"), dir.file("no/such/out.html")), 0);
}

TEST(HtmlFilterTest, CommandLineMistakesAreUsageErrors) {
    TempDir dir;
    const std::string in = "\"" + fixture("word_export.html") + "\"";
    const std::string out = "\"" + dir.file("out.html") + "\"";
    const std::string cases[] = {"", "-b -f -a " + in, "-q " + in + " " + out, in + " " + out + " extra"};
    for (const std::string& arguments : cases) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(run_filter(arguments), 2);
    }
    EXPECT_FALSE(file_exists(dir.file("out.html").c_str()));
}

TEST(HtmlFilterTest, Utf8ExportKeepsItsCharactersAndJoinsNothing) {
    TempDir dir;
    write_text(dir.file("in.html"),
               "<!DOCTYPE html>\n<html>\n<head>\n\t<meta http-equiv=\"content-type\" content=\"text/html; "
               "charset=utf-8\"/>\n\t<meta name=\"generator\" content=\"Office\"/>\n"
               "\t<style type=\"text/css\">p { margin: 0 }</style>\n</head>\n"
               "<body lang=\"fr-FR\" dir=\"ltr\">\n<h1 class=\"western\"><a name=\"t1\"></a>"
               "D\xc3\xa9part</h1>\n<p class=\"western\" style=\"margin-bottom: 0in\">Texte</p>\n"
               "</body>\n</html>\n");
    ASSERT_EQ(filter(dir.file("in.html"), dir.file("out.html")), 0);
    const std::string out = read_file(dir.file("out.html"));
    EXPECT_NE(out.find("<h1><a name=\"t1\""), std::string::npos) << out;
    EXPECT_NE(out.find("D\xc3\xa9part</h1>"), std::string::npos) << out;
    EXPECT_NE(out.find("<body dir=\"ltr\">"), std::string::npos) << out;
    EXPECT_EQ(out.find("generator"), std::string::npos) << out;
    EXPECT_EQ(out.find("margin"), std::string::npos) << out;
}

// A heading carrying some hundreds of bookmarks, each written with its name
// and id, is one line far longer than the page splitter reads at once: the
// filter breaks it between anchors, so that the split cuts no tag, every page
// is well-formed and the contents link reaches the heading's last anchor.
TEST(HtmlFilterTest, LongAnchorRunsAreBrokenBetweenAnchors) {
    TempDir dir;
    std::string anchors;
    for (int i = 0; i < 700; ++i) {
        const std::string name = "_Toc3654" + std::to_string(10000 + i);
        anchors += "<a name=\"" + name + "\" id=\"" + name + "\"></a>";
    }
    ASSERT_GT(anchors.size(), 2u * kReadLineMax);
    write_text(dir.file("in.html"),
               "<html>\n<head><title>T</title></head>\n<body>\n<p><a href=\"#_Toc365410699\">Init</a></p>\n"
               "<h1>Guide</h1>\n<p>Intro</p>\n<h3>" +
                   anchors + "Initialization</h3>\n<p>On reset</p>\n</body>\n</html>\n");
    ASSERT_EQ(filter(dir.file("in.html"), dir.file("manual.html")), 0);
    const std::string out = read_file(dir.file("manual.html"));
    std::istringstream lines(out);
    int lineCount = 0;
    for (std::string line; std::getline(lines, line);) {
        ++lineCount;
        EXPECT_LT(line.size(), kReadLineMax) << "line " << lineCount;
        EXPECT_GE(line.rfind('>') == std::string::npos ? 0 : line.rfind('>') + 1, line.rfind('<') + 1)
            << "line " << lineCount;
    }
    for (const char* name : {"_Toc365410000", "_Toc365410699"})
        EXPECT_NE(out.find(std::string("<a name=\"") + name + "\""), std::string::npos) << name;

    std::vector<int> levels;
    std::vector<std::string> pages, titles;
    HTMLSplit split;
    split.inputPath = dir.file("manual.html");
    split.headingLevel = 3;
    split.levels = &levels;
    split.pages = &pages;
    split.titles = &titles;
    ASSERT_TRUE(split.Split());
    ASSERT_EQ(pages.size(), 3u);
    const test::SiteReport report = test::check_site(dir.path(), "manual");
    EXPECT_EQ(report.unbalanced, std::vector<std::string>{});
    EXPECT_EQ(report.brokenLinks, std::vector<std::string>{});
    EXPECT_NE(read_file(pages[0]).find("manual_2.html#_Toc365410699"), std::string::npos);
}

}  // namespace
}  // namespace vane
