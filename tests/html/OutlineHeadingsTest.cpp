// d2h -a: the exported paragraphs that have an outline level become headings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestHost.h"
#include "fake_word/FakeWord.h"
#include "html/OutlineHeadings.h"
#include "word/Word.h"

namespace vane {
namespace {

using Paragraphs = std::vector<OutlineHeadings::Paragraph>;

struct ApplyCase {
    const char* name;
    const char* html;
    Paragraphs paragraphs;
    const char* expected;
    int changed;
};

TEST(OutlineHeadingsApply, ParagraphsWithALevelBecomeHeadingsOfThatLevel) {
    const ApplyCase cases[] = {
        {"a custom style written as a paragraph",
         "<p class=\"c\">Front</p>\r\n<p class=\"chapitre\">Histoire</p>\r\n<p>Body</p>",
         {{"Front", "", 0}, {"Histoire", "", 1}, {"Body", "", 0}},
         "<p class=\"c\">Front</p>\r\n<h1 class=\"chapitre\">Histoire</h1>\r\n<p>Body</p>",
         1},
        {"the second of two paragraphs with the same text",
         "<p>Notes</p><p>Notes</p>",
         {{"Notes", "", 0}, {"Notes", "", 2}},
         "<p>Notes</p><h2>Notes</h2>",
         1},
        {"text split by tags and line breaks, in capitals",
         "<P STYLE=\"x\"><a name=\"b\"></a><b>Co</b>st &amp;\r\n  price</P>",
         {{"Cost & price", "", 3}},
         "<h3 STYLE=\"x\"><a name=\"b\"></a><b>Co</b>st &amp;\r\n  price</h3>",
         1},
        {"a named reference the comparison does not know: the text differs",
         "<p>Co&ucirc;t</p>",
         {{"Co\xC3\xBBt", "", 1}},
         "<p>Co&ucirc;t</p>",
         0},
        {"its list number written into the text",
         "<p>3.1 Origines</p>",
         {{"Origines", "3.1", 2}},
         "<h2>3.1 Origines</h2>",
         1},
        {"already a heading, a level below 6, and a paragraph the export left out",
         "<h1>Title</h1><p>Seven</p>",
         {{"Title", "", 1}, {"Seven", "", 7}, {"Missing", "", 2}},
         "<h1>Title</h1><p>Seven</p>",
         0},
        {"a paragraph without its end tag ends at the next one",
         "<p>Chapter<p>Text</p>",
         {{"Chapter", "", 1}, {"Text", "", 0}},
         "<h1>Chapter</h1><p>Text</p>",
         1},
    };
    for (const ApplyCase& c : cases) {
        SCOPED_TRACE(c.name);
        int changed = -1;
        EXPECT_EQ(OutlineHeadings::apply(c.html, c.paragraphs, &changed), c.expected);
        EXPECT_EQ(changed, c.changed);
    }
}

TEST(OutlineHeadingsApply, NumericReferencesAndNoBreakSpacesCompareAsText) {
    const Paragraphs paragraphs = {{"Co\xC3\xBBt & prix", "", 3}};
    EXPECT_EQ(OutlineHeadings::apply("<p><b>Co</b>&#251;t&nbsp;&amp;<br>prix</p>", paragraphs),
              "<h3><b>Co</b>&#251;t&nbsp;&amp;<br>prix</h3>");
}

TEST(OutlineHeadingsCollect, ReadsEveryParagraphWithItsLevelAndNumber) {
    test::TestHost host;
    test::FakeWord word;
    test::FakeDocument& doc = word.document();
    doc.style("Chapitre", 1);
    doc.page();
    doc.paragraph("Chapitre").line("Histoire", 100);
    doc.main().listNumber("1.");
    doc.paragraph().line("Body\ttext", 130);
    doc.paragraph().line("Annexe", 160);
    doc.main().outline(2);
    doc.paragraph("Heading 1").line("Not a heading here", 190);
    doc.main().outline(10);
    std::unique_ptr<word::Application> application = word.createApplication();
    std::unique_ptr<word::Documents> documents = application->documents();
    std::unique_ptr<word::Document> document = documents->open("/docs/manual.doc", {});

    OutlineHeadings outline;
    outline.collect(*application);

    ASSERT_EQ(outline.paragraphs.size(), 4u);
    const Paragraphs expected = {
        {"Histoire", "1.", 1}, {"Body text", "", 0}, {"Annexe", "", 2}, {"Not a heading here", "", 0}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(outline.paragraphs[i].text, expected[i].text);
        EXPECT_EQ(outline.paragraphs[i].label, expected[i].label);
        EXPECT_EQ(outline.paragraphs[i].level, expected[i].level);
    }
}

}  // namespace
}  // namespace vane
