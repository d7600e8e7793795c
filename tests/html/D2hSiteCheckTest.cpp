// "vane d2h" with the real office on the bundled guide, on a document with
// numbered headings, contents entries and bookmarks of its own, and on a
// long .doc whose contents entries the office's export would leave without
// anchors: every page is well-formed and links the site stylesheet, every
// internal link reaches an existing page and anchor, and no name of the
// office's own is left.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "SiteCheck.h"
#include "TempDir.h"

namespace vane {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::TempDir;

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v == nullptr ? std::string() : std::string(v);
}

std::string source_dir() {
    const char* v = std::getenv("VANE_SOURCE_DIR");
    return v == nullptr ? std::string(".") : std::string(v);
}

// Publishes a copy of `document` into `work`/site; the exit status of vane.
int publish(const std::string& document, const TempDir& work) {
    const std::string copy = work.file(fs::path(document).filename().string());
    fs::copy_file(document, copy);
    fs::create_directories(work.file("run"));
    const std::string command = "cd '" + work.path() + "' && XDG_RUNTIME_DIR='" + work.file("run") + "' " +
                                VANE_EXE + " d2h -s -o site '" + copy + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct SiteCase {
    const char* document;  // under the source tree
    const char* baseName;
    int minPages;
    int minInternalLinks;
    // Text that pages 1 to 3 must hold, as the document shows it.
    const char* shown;
};

const SiteCase kSites[] = {
    {"samples/folivane-guide.docx", "folivane-guide", 27, 26 + 2 * 26, "A PDF with an outline and links"},
    {"tests/data/docs/html-anchors.docx", "html-anchors", 7, 6 + 5 + 2 * 6, "1.1 Background"},
};

TEST(D2hSiteCheck, PagesAreWellFormedLinkedAndReachTheirAnchors) {
    for (const SiteCase& c : kSites) {
        SCOPED_TRACE(c.document);
        TempDir work;
        ASSERT_EQ(publish(source_dir() + "/" + c.document, work), 0);
        const std::string site = work.file("site");
        const test::SiteReport report = test::check_site(site, c.baseName);
        EXPECT_GE(report.pages, c.minPages);
        EXPECT_GE(report.internalLinks, c.minInternalLinks);
        EXPECT_EQ(report.unbalanced, std::vector<std::string>{});
        EXPECT_EQ(report.noStyleSheet, std::vector<std::string>{});
        EXPECT_EQ(report.brokenLinks, std::vector<std::string>{});
        EXPECT_EQ(report.hiddenNames, std::vector<std::string>{});

        const std::string index = read_file(site + "/" + c.baseName + "_index.html");
        EXPECT_TRUE(test::links_style_sheet(index, std::string(c.baseName) + ".css"));
        std::string early;
        for (int page = 1; page <= 3; ++page)
            early += read_file(site + "/" + c.baseName + "_" + std::to_string(page) + ".html");
        EXPECT_NE(early.find(c.shown), std::string::npos);
        // Numbered headings come without the lists that drew a second number.
        EXPECT_EQ(early.find("<ol"), std::string::npos);
    }
}

// Text with the tags dropped and white space runs made one space.
std::string plain_text(const std::string& html) {
    return std::regex_replace(std::regex_replace(html, std::regex("<[^>]*>"), " "), std::regex("\\s+"), " ");
}

// A 106-page .doc: its "_Toc" names exist only as the office's hidden
// bookmarks, and past a table in chapter 6 the office's export writes no
// bookmark anchor at all. Every contents entry leads to its heading.
TEST(D2hSiteCheck, ContentsOfALongDocReachTheirHeadings) {
    const std::string document =
        env("VANE_SHARED_DIR") + "/corpus/wide/nasa-cfe__cFE_Application_Developers_Guide.doc";
    if (!fs::exists(document)) GTEST_SKIP() << "no " << document;
    const std::string base = "nasa-cfe__cFE_Application_Developers_Guide";
    TempDir work;
    ASSERT_EQ(publish(document, work), 0);
    const std::string site = work.file("site");
    const test::SiteReport report = test::check_site(site, base);
    EXPECT_GE(report.pages, 100);
    EXPECT_GE(report.internalLinks, 300);
    EXPECT_EQ(report.brokenLinks, std::vector<std::string>{});
    EXPECT_EQ(report.hiddenNames, std::vector<std::string>{});
    EXPECT_EQ(report.unbalanced, std::vector<std::string>{});

    // Each entry "<number> <title> <page>" of the contents (page 0) leads to
    // an anchor that its title follows on the target page.
    const std::string contents = read_file(site + "/" + base + "_0.html");
    const std::regex entry("<a href=\"(" + base + "_[0-9]+\\.html)#(_Toc[^\"]+)\">([\\s\\S]*?)</a>");
    int entries = 0;
    for (std::sregex_iterator it(contents.begin(), contents.end(), entry), end; it != end; ++it) {
        const std::string target = (*it)[2];
        SCOPED_TRACE(target);
        std::string title = plain_text((*it)[3]);
        title = std::regex_replace(title, std::regex("^ *[0-9.]* *| *[0-9]+ *$"), "");
        const std::string page = read_file(site + "/" + (*it)[1].str());
        const std::size_t at = page.find("name=\"" + target + "\"");
        ASSERT_NE(at, std::string::npos);
        EXPECT_NE(plain_text(page.substr(at, 600)).find(title), std::string::npos) << title;
        ++entries;
    }
    EXPECT_GE(entries, 100);
}

// The document's own bookmarks survive the export and its links reach them.
TEST(D2hSiteCheck, BookmarksOfTheDocumentAreAnchors) {
    TempDir work;
    ASSERT_EQ(publish(source_dir() + "/tests/data/docs/html-anchors.docx", work), 0);
    const std::string site = work.file("site");
    int holding = 0;
    for (int page = 0; page < 7; ++page) {
        const std::string text = read_file(site + "/html-anchors_" + std::to_string(page) + ".html");
        const std::set<std::string> anchors = test::page_anchors(text);
        if (anchors.contains("_THIS_WEEK_IN")) ++holding;
        if (page == 0) {
            EXPECT_NE(text.find("href=\"html-anchors_2.html#_THIS_WEEK_IN\""), std::string::npos) << text;
            EXPECT_NE(text.find("href=\"html-anchors_1.html#_Toc100001\""), std::string::npos) << text;
        }
    }
    EXPECT_EQ(holding, 1);
}

// A link to a bookmark the document lacks is plain text on the site, as it
// leads nowhere in the word processor either; bookmarks on empty paragraphs,
// which the export writes no anchor for, are reached.
TEST(D2hSiteCheck, LinksToMissingOrEmptyBookmarks) {
    TempDir work;
    ASSERT_EQ(publish(source_dir() + "/tests/data/docs/html-anchors.docx", work), 0);
    const std::string site = work.file("site");
    const test::SiteReport report = test::check_site(site, "html-anchors");
    EXPECT_EQ(report.brokenLinks, std::vector<std::string>{});
    EXPECT_EQ(report.unbalanced, std::vector<std::string>{});
    std::string all;
    std::set<std::string> anchors;
    for (int page = 0; page < report.pages; ++page) {
        const std::string text = read_file(site + "/html-anchors_" + std::to_string(page) + ".html");
        all += text;
        for (const std::string& name : test::page_anchors(text)) anchors.insert(name);
    }
    EXPECT_EQ(all.find("Nowhere"), std::string::npos);
    EXPECT_NE(plain_text(all).find("Also a lost place"), std::string::npos);
    EXPECT_TRUE(anchors.contains("Blank"));
    EXPECT_TRUE(anchors.contains("TheEnd"));
    EXPECT_NE(all.find("#Blank\""), std::string::npos);
    EXPECT_NE(all.find("#TheEnd\""), std::string::npos);
}

}  // namespace
}  // namespace vane
