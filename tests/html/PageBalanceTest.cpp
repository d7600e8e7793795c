// The splitter on inputs whose cuts fall inside elements: every page must be
// well-formed, link the site stylesheet, show no list that only wrapped a
// heading, and keep its internal links reaching their anchors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SiteCheck.h"
#include "TempDir.h"
#include "html/HTMLSplit.h"

namespace vane {
namespace {

using test::check_site;
using test::read_file;
using test::TempDir;
using test::write_text;

struct BalanceCase {
    const char* name;
    const char* body;                // between <body> and </body>
    std::size_t pages;               // pages the split makes
    std::vector<const char*> shown;  // text each listed page must hold: "<n>:text"
    std::vector<const char*> hidden; // text no page may hold
};

const BalanceCase kCases[] = {
    {"numbered headings in nested lists",
     "<p>Intro</p>\n<ol>\n<li>\n<h1>One</h1>\n</li>\n</ol>\n<p>a</p>\n<ol>\n<ol>\n<ol start=\"2\">\n<li>\n"
     "<h2>One two</h2>\n</li>\n</ol>\n</ol>\n</ol>\n<p>b</p>\n",
     3,
     {"1:<h1>One</h1>", "2:<h2>One two</h2>", "2:<p>b</p>"},
     {"<ol", "</ol>", "<li>", "</li>"}},
    {"a cut inside a table cell",
     "<table><tr><td><p>left</p>\n<h1>Inside</h1>\n<p>right</p></td></tr></table>\n<p>after</p>\n",
     2,
     {"0:<table><tr><td><p>left</p>", "1:<table><tr><td><h1>Inside</h1>", "1:<p>after</p>"},
     {}},
    {"a cut inside a list with items after the heading",
     "<ul>\n<li>first</li>\n<li><h1>Item heading</h1> text</li>\n<li>third</li>\n</ul>\n",
     2,
     {"0:<li>first</li>", "1:<li>third</li>"},
     {}},
    {"end tags left out by the writer",
     "<p>one\n<p>two\n<h1>Next</h1>\n<p>three\n",
     2,
     {"0:<p>one\n</p><p>two"},
     {}},
    {"a heading in a list that does not start a page keeps no number",
     "<h1>Top</h1>\n<ol>\n<li>\n<h4>Deep</h4>\n</li>\n</ol>\n<ol><li>kept item</li></ol>\n",
     2,
     {"1:<h4>Deep</h4>", "1:<ol><li>kept item</li></ol>"},
     {"<ol>\n<li>\n<h4>"}},
    {"anchors on other pages and the office's hidden names",
     "<p><a href=\"#_Toc1\">Contents</a> <a href=\"#note\">note</a></p>\n"
     "<ol><li><h1><a name=\"_Toc1\"></a>First</h1></li></ol>\n<p><a name=\"note\"></a>A note, "
     "<a href=\"#_Toc2\">on</a>.</p>\n<h2><a name=\"_Toc2\"></a>Second</h2>\n<p>end</p>\n",
     3,
     {"0:href=\"manual_1.html#_Toc1\"", "0:href=\"manual_1.html#note\"", "1:href=\"manual_2.html#_Toc2\""},
     {}},
};

TEST(PageBalance, EveryPageIsWellFormedAndLinked) {
    for (const BalanceCase& c : kCases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string input = dir.file("manual.html");
        write_text(input, std::string("<html>\n<head><title>T</title></head>\n<body>\n") + c.body +
                              "</body>\n</html>\n");
        std::vector<int> levels;
        std::vector<std::string> pages;
        std::vector<std::string> titles;
        HTMLSplit split;
        split.inputPath = input;
        split.headingLevel = 3;
        split.levels = &levels;
        split.pages = &pages;
        split.titles = &titles;
        ASSERT_TRUE(split.Split());
        ASSERT_EQ(pages.size(), c.pages);

        const test::SiteReport report = check_site(dir.path(), "manual");
        EXPECT_EQ(report.pages, static_cast<int>(c.pages));
        EXPECT_EQ(report.unbalanced, std::vector<std::string>{});
        EXPECT_EQ(report.noStyleSheet, std::vector<std::string>{});
        EXPECT_EQ(report.brokenLinks, std::vector<std::string>{});
        for (const char* shown : c.shown) {
            const std::string text(shown);
            const std::size_t colon = text.find(':');
            const std::string page = read_file(pages[std::stoul(text.substr(0, colon))]);
            EXPECT_NE(page.find(text.substr(colon + 1)), std::string::npos) << shown << "\n" << page;
        }
        for (const std::string& page : pages) {
            const std::string text = read_file(page);
            for (const char* hidden : c.hidden) EXPECT_EQ(text.find(hidden), std::string::npos) << hidden << "\n" << text;
        }
    }
}

// The checks themselves: each kind of fault is found.
TEST(SiteCheck, FindsEachFault) {
    EXPECT_EQ(test::unbalanced_elements("<p><b>x</b></p><br><img src=a></img>"), std::vector<std::string>{});
    EXPECT_EQ(test::unbalanced_elements("<ol><li>x</li></ol></ol>"),
              std::vector<std::string>{"</ol> while nothing is open"});
    EXPECT_EQ(test::unbalanced_elements("<ol><li>x"),
              (std::vector<std::string>{"<ol> never closed", "<li> never closed"}));
    EXPECT_EQ(test::unbalanced_elements("<!-- <p> --><script>if (a<b) x();</script>"), std::vector<std::string>{});
    EXPECT_TRUE(test::links_style_sheet("<link rel=\"StyleSheet\" href=\"m.css\">", "m.css"));
    EXPECT_FALSE(test::links_style_sheet("<link rel=\"StyleSheet\" href=\"dtree.css\">", "m.css"));
    EXPECT_EQ(test::page_anchors("<a name=\"x\"></a><p id=\"y\">"), (std::set<std::string>{"x", "y"}));

    TempDir dir;
    write_text(dir.file("m_0.html"), "<a href=\"m_1.html#there\">1</a><a href=\"#gone\">2</a>"
                                     "<a href=\"m_7.html\">3</a><a href=\"https://x/#y\">4</a>");
    write_text(dir.file("m_1.html"), "<a name=\"there\"></a><a href=\"#__RefHeading___Toc1\">c</a>");
    const test::SiteReport report = check_site(dir.path(), "m");
    EXPECT_EQ(report.pages, 2);
    EXPECT_EQ(report.brokenLinks,
              (std::vector<std::string>{"m_0.html -> #gone", "m_0.html -> m_7.html", "m_1.html -> #__RefHeading___Toc1"}));
    EXPECT_EQ(report.hiddenNames, std::vector<std::string>{"m_1.html: #__RefHeading___Toc1"});
    EXPECT_EQ(report.noStyleSheet, (std::vector<std::string>{"m_0.html", "m_1.html"}));
}

}  // namespace
}  // namespace vane
