// The text side of putting back the anchors the office's HTML export leaves
// out: which link targets lack an anchor, how an element's text compares
// with a paragraph's, and where each anchor goes.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "word/office/HtmlAnchorRepair.h"

namespace vane {
namespace {

using Place = HtmlAnchorRepair::Place;

struct MissingCase {
    const char* name;
    const char* html;
    std::vector<std::string> missing;
};

const MissingCase kMissing[] = {
    {"anchor present", R"(<a href="#_Toc1">x</a><h1><a name="_Toc1"></a>T</h1>)", {}},
    {"id counts as an anchor", R"(<a href="#top">x</a><p id="top">T</p>)", {}},
    {"missing, listed once", R"(<a href="#_Toc2">x</a><a HREF='#_Toc2'>y</a><h1>T</h1>)", {"_Toc2"}},
    {"in the order first linked", R"(<a href="#b">1</a><a href="#a">2</a><a href="#b">3</a>)", {"b", "a"}},
    {"name= of a non-anchor element is no anchor", R"(<a href="#f"></a><input name="f">)", {"f"}},
    {"other pages and addresses are not looked at",
     R"(<a href="x_1.html#a"></a><a href="http://e.org/#b"></a><a href="#"></a>)", {}},
};

TEST(HtmlAnchorRepair, MissingTargets) {
    for (const MissingCase& c : kMissing) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HtmlAnchorRepair::missingTargets(c.html), c.missing);
    }
}

struct TextCase {
    const char* content;
    const char* text;
};

const TextCase kTexts[] = {
    {"Improving Message\n\t\tTransfer Performance", "Improving Message Transfer Performance"},
    {"<a name=\"x\"></a>\n\t\t\tModifying <b>Header</b> Information", "Modifying Header Information"},
    {"Tom &amp; Jerry&nbsp;&#8209;&#x41;&lt;&gt;&quot;", "Tom & Jerry \xE2\x80\x91" "A<>\""},
    {"line<br/>break", "line break"},
    {"soft&shy;hyphen", "softhyphen"},
    {"\a\x03\b\a\x03\b#define MD_BAD_CMD_CODE&nbsp; (-1)", "#define MD_BAD_CMD_CODE (-1)"},
    {"&unknown; stays", "&unknown; stays"},
    {"  ", ""},
};

TEST(HtmlAnchorRepair, ElementTextAsTheParagraphReadsIt) {
    for (const TextCase& c : kTexts) {
        SCOPED_TRACE(c.content);
        EXPECT_EQ(HtmlAnchorRepair::elementText(c.content), c.text);
    }
    // The document's side: tabs, no-break spaces, line and paragraph
    // separators are spaces, soft hyphens go.
    EXPECT_EQ(HtmlAnchorRepair::normalized("\t6.6\xC2\xA0Sending\xE2\x80\xA8Messages\xC2\xAD  "),
              "6.6 Sending Messages");
}

struct InsertCase {
    const char* name;
    const char* html;
    std::map<std::string, Place> places;
    const char* expected;
    int placed;
};

const InsertCase kInserts[] = {
    {"heading by text",
     "<p>Intro</p><ol><li><h2 class=\"western\">Sending\n\tMessages</h2></ol>",
     {{"_Toc7", {"Sending Messages", true, 0, 0}}},
     "<p>Intro</p><ol><li><h2 class=\"western\"><a name=\"_Toc7\"></a>Sending\n\tMessages</h2></ol>",
     1},
    {"the second heading of the same title",
     "<h1>Overview</h1><p>Overview</p><h1>Overview</h1>",
     {{"_Toc2", {"Overview", true, 1, 2}}},
     "<h1>Overview</h1><p>Overview</p><h1><a name=\"_Toc2\"></a>Overview</h1>",
     1},
    {"a body paragraph is not taken for a heading of its text",
     "<h3>Total</h3><td><p>Total</p></td>",
     {{"sum", {"Total", false, 0, 1}}},
     "<h3>Total</h3><td><p><a name=\"sum\"></a>Total</p></td>",
     1},
    {"a paragraph with an outline level written as <p>",
     "<p>typedef struct</p><p>} Filter_t</p>",
     {{"_Toc3", {"} Filter_t", true, 0, 0}}},
     "<p>typedef struct</p><p><a name=\"_Toc3\"></a>} Filter_t</p>",
     1},
    {"a heading with its list number written into its text",
     "<h1>1Executive Summary</h1><h2>1.1Business Objective</h2>",
     {{"_Toc1", {"Business Objective", true, 0, 0}}},
     "<h1>1Executive Summary</h1><h2><a name=\"_Toc1\"></a>1.1Business Objective</h2>",
     1},
    {"a heading whose numbering the export wrote with its word",
     "<div id=\"TextSection\" dir=\"ltr\"><h1>Chapter 5.Frequently Asked Questions (FAQs)</h1>",
     {{"_Toc383451891", {"Frequently Asked Questions (FAQs)", true, 0, 0}}},
     "<div id=\"TextSection\" dir=\"ltr\"><h1><a name=\"_Toc383451891\"></a>Chapter 5.Frequently Asked "
     "Questions (FAQs)</h1>",
     1},
    {"a word before the title is no label without a number after it",
     "<h1>Chapter Frequently Asked Questions</h1>",
     {{"f", {"Frequently Asked Questions", true, 0, 0}}},
     "<h1>Chapter Frequently Asked Questions</h1>",
     0},
    {"two names on one heading",
     "<h1>A</h1>",
     {{"_Ref1", {"A", true, 0, 0}}, {"_Toc1", {"A", true, 0, 0}}},
     "<h1><a name=\"_Ref1\"></a><a name=\"_Toc1\"></a>A</h1>",
     2},
    {"no element of that text: nothing put",
     "<h1>A</h1><pre>B</pre>",
     {{"b", {"B", false, 0, 0}}, {"c", {"C", true, 0, 0}}},
     "<h1>A</h1><pre>B</pre>",
     0},
    {"a bookmark on the empty last paragraph: at the end of the body",
     "<body><p>A</p>\n</body></html>",
     {{"AAAAAAAAFD", {"", false, 0, 0, true}}},
     "<body><p>A</p>\n<a name=\"AAAAAAAAFD\"></a></body></html>",
     1},
    {"repeated titles, some behind the marks the export writes for empty fields",
     "<h3><a name=\"A1\"></a>\a\x03\bMacros</h3><h3>Macros</h3><h3>\a\x03\bMacros</h3>"
     "<p>#define X</p><h4>\a\x03\b#define X</h4>",
     {{"A3", {"Macros", true, 2, 2}}, {"X", {"#define X", true, 0, 1}}},
     "<h3><a name=\"A1\"></a>\a\x03\bMacros</h3><h3>Macros</h3><h3><a name=\"A3\"></a>\a\x03\bMacros</h3>"
     "<p>#define X</p><h4><a name=\"X\"></a>\a\x03\b#define X</h4>",
     2},
    {"an occurrence beyond the elements: nothing put",
     "<h1>A</h1>",
     {{"a2", {"A", true, 1, 1}}},
     "<h1>A</h1>",
     0},
};

TEST(HtmlAnchorRepair, InsertAnchors) {
    for (const InsertCase& c : kInserts) {
        SCOPED_TRACE(c.name);
        int placed = 0;
        EXPECT_EQ(HtmlAnchorRepair::insertAnchors(c.html, c.places, &placed), c.expected);
        EXPECT_EQ(placed, c.placed);
    }
}

struct UnlinkCase {
    const char* name;
    const char* html;
    const char* expected;
    int unlinked;
};

// Links to AAAAAAAADS and _Gone, names no bookmark of the document has.
const UnlinkCase kUnlinks[] = {
    {"a link to a missing bookmark becomes its text",
     R"(<p>see <a href="#AAAAAAAADS"><span>Table 3</span></a>.</p>)", "<p>see <span>Table 3</span>.</p>", 1},
    {"links elsewhere stay",
     R"(<a href="#_Toc1">a</a><a href="#_Gone">b</a><a href="x_2.html#_Gone">c</a>)",
     R"(<a href="#_Toc1">a</a>b<a href="x_2.html#_Gone">c</a>)", 1},
    {"an anchor inside the link keeps its end tag",
     R"(<A HREF="#_Gone"><a name="_Ref9"></a>Figure 1</A> after)", R"(<a name="_Ref9"></a>Figure 1 after)", 1},
    {"a link that is also an anchor keeps the anchor",
     R"(<a name="here" href='#_Gone' class="x">t</a>)", R"(<a name="here" class="x">t</a>)", 1},
    {"every link to the name", R"(<a href="#_Gone">1</a> <a href="#_Gone">2</a>)", "1 2", 2},
    {"nothing to do", R"(<a href="#_Toc1">a</a>)", R"(<a href="#_Toc1">a</a>)", 0},
};

TEST(HtmlAnchorRepair, UnlinkTargetsOfMissingBookmarks) {
    const std::set<std::string> absent = {"AAAAAAAADS", "_Gone"};
    for (const UnlinkCase& c : kUnlinks) {
        SCOPED_TRACE(c.name);
        int unlinked = 0;
        EXPECT_EQ(HtmlAnchorRepair::unlinkTargets(c.html, absent, &unlinked), c.expected);
        EXPECT_EQ(unlinked, c.unlinked);
    }
    EXPECT_EQ(HtmlAnchorRepair::unlinkTargets(R"(<a href="#_Gone">x</a>)", {}), R"(<a href="#_Gone">x</a>)");
}

}  // namespace
}  // namespace vane
