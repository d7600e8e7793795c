// The heading walk: which headings become entries, on which page, with which
// destination and title.
#include <gtest/gtest.h>

#include "OutlineFixture.h"

namespace vane::test {
namespace {

using Walk = OutlineFixture;

TEST_F(Walk, EachHeadingGivesAnEntryWithPageAndDestination) {
    doc.page();
    doc.paragraph("Heading 1").line("Introduction", 100);
    doc.paragraph().line("Some body text.", 130);
    doc.paragraph("Heading 2").line("Scope", 200);
    doc.page();
    doc.paragraph("Heading 2").line("Terms", 72);
    doc.paragraph().line("More text.", 100);
    doc.paragraph("Heading 1").line("Details", 300);

    extract();

    EXPECT_EQ(entries(), (std::vector<Entry>{{"Introduction", 1, 1, 750},
                                             {"Scope", 2, 1, 650},
                                             {"Terms", 2, 2, 778},
                                             {"Details", 1, 2, 550}}));
    EXPECT_EQ(list->entries[0]->count, -2);
    EXPECT_EQ(list->entries[3]->depth, 1);
    EXPECT_TRUE(host.printed(117));
    EXPECT_TRUE(host.printed(121));
    EXPECT_FALSE(host.printed(119));
    EXPECT_NE(host.output().find("\r\nBookmark 1: Page=1 Level=1 Y=750 Value=Introduction"),
              std::string::npos);
    EXPECT_NE(host.output().find("\r\nBookmark 4: Page=2 Level=1 Y=550 Value=Details"), std::string::npos);
}

TEST_F(Walk, HeadingsAboveTheFirstHeadingsLevelAreDropped) {
    doc.page();
    doc.paragraph("Heading 2").line("Background", 100);
    doc.paragraph("Heading 1").line("Part One", 200);
    doc.paragraph("Heading 2").line("Setup", 300);
    doc.paragraph("Heading 3").line("Tools", 400);

    extract();

    EXPECT_EQ(entries(),
              (std::vector<Entry>{{"Background", 2, 1, 750}, {"Setup", 2, 1, 550}, {"Tools", 3, 1, 450}}));
}

TEST_F(Walk, FirstHeadingDeeperThanMaxLevelEmptiesTheOutline) {
    doc.page();
    doc.paragraph("Heading 3").line("Deep start", 100);
    doc.paragraph("Heading 1").line("Chapter", 200);
    doc.paragraph("Heading 2").line("Section", 300);
    doc.paragraph("Heading 3").line("Subsection", 400);

    extract(2);

    EXPECT_TRUE(list->entries.empty());
    EXPECT_TRUE(host.printed(119));
    EXPECT_TRUE(host.printed(122));
    EXPECT_TRUE(host.printed(120));
    EXPECT_FALSE(host.printed(121));
}

TEST_F(Walk, HeadingsDeeperThanMaxLevelAreDropped) {
    doc.page();
    doc.paragraph("Heading 1").line("Chapter", 100);
    doc.paragraph("Heading 2").line("Section", 200);
    doc.paragraph("Heading 3").line("Subsection", 300);
    doc.paragraph("Heading 2").line("Another section", 400);

    extract(2);

    EXPECT_EQ(
        entries(),
        (std::vector<Entry>{{"Chapter", 1, 1, 750}, {"Section", 2, 1, 650}, {"Another section", 2, 1, 450}}));
}

TEST_F(Walk, ManualPageBreakPutsTheHeadingOnTheNextPage) {
    doc.page();
    doc.paragraph("Heading 1").line("Start", 100);
    doc.paragraph().line("Body.", 130);
    doc.paragraph("Heading 1").line("\f", 150);  // the break ends page 1 ...
    doc.page();
    doc.line("After the break", 72);  // ... and the heading's text opens page 2
    doc.paragraph("Heading 2").line("Same page", 200);
    doc.page();
    doc.paragraph("Heading 1").line("Last", 72);

    extract();

    EXPECT_EQ(entries(), (std::vector<Entry>{{"Start", 1, 1, 750},
                                             {"After the break", 1, 2, 778},
                                             {"Same page", 2, 2, 650},
                                             {"Last", 1, 3, 778}}));
}

// The page layout and the text disagree (a break the pages do not show): the
// entry still points to a page of the document.
TEST_F(Walk, PageBreakNeverLeadsPastTheLastPage) {
    doc.page();
    doc.paragraph("Heading 1").line("\f", 100).line("Closing words", 114);

    extract();

    EXPECT_EQ(entries(), (std::vector<Entry>{{"Closing words", 1, 1, 736}}));
}

// A break the selection cannot get past (text after it on the same line)
// ends the handling of that heading instead of looping.
TEST_F(Walk, BreakTheSelectionCannotPassEndsThatHeading) {
    doc.page();
    doc.paragraph("Heading 1").line("\fStuck", 100);
    doc.paragraph("Heading 1").line("Next", 200);

    extract();

    EXPECT_EQ(entries(), (std::vector<Entry>{{"Next", 1, 1, 650}}));
}

TEST_F(Walk, TitleIsTheFirstLineWithTabsAsSpaces) {
    doc.page();
    doc.paragraph("Heading 1").line("1.\tScope\vof this manual", 100);
    doc.paragraph("Heading 1").line("\v", 200);  // nothing before the line break: no entry
    doc.paragraph("Heading 1").line("Tab\tat\tend\t", 300);

    extract();

    EXPECT_EQ(entries(), (std::vector<Entry>{{"1. Scope", 1, 1, 750}, {"Tab at end ", 1, 1, 550}}));
}

TEST_F(Walk, EmptyHeadingDoesNotSetTheTopLevel) {
    doc.page();
    doc.paragraph("Heading 2").line("", 100);
    doc.paragraph("Heading 1").line("Chapter", 200);
    doc.paragraph("Heading 2").line("Section", 300);

    extract();

    EXPECT_EQ(entries(), (std::vector<Entry>{{"Chapter", 1, 1, 650}, {"Section", 2, 1, 550}}));
}

TEST_F(Walk, CustomStyleWithOutlineLevelIsNotAHeading) {
    doc.style("Chapter Title", 1);
    doc.page();
    doc.paragraph("Chapter Title").line("Custom", 100);
    doc.paragraph("Heading 1").line("Built in", 200);
    doc.paragraph("Chapter Title").line("Custom again", 300);

    extract();

    EXPECT_EQ(entries(), (std::vector<Entry>{{"Built in", 1, 1, 650}}));
}

TEST_F(Walk, HeadingStylesAreMatchedByTheirLocalNames) {
    doc.renameHeadingStyle(1, "Titre 1").renameHeadingStyle(2, "Titre 2");
    doc.page();
    doc.paragraph("Titre 1").line("Chapitre", 100);
    doc.paragraph("Titre 2").line("Section", 200);

    extract();

    EXPECT_EQ(entries(), (std::vector<Entry>{{"Chapitre", 1, 1, 750}, {"Section", 2, 1, 650}}));
}

TEST_F(Walk, DestinationUsesTheHeightOfTheHeadingsPage) {
    doc.section().page();
    doc.paragraph("Heading 1").line("Portrait", 5);  // within 1% of the top
    doc.section({.width = 842, .height = 595, .orientation = word::kLandscape}).page();
    doc.paragraph("Heading 1").line("Landscape", 100);

    extract();

    // 842 - 0 + 0.5 and 595 - (100 - 5.95) + 0.5
    EXPECT_EQ(entries(), (std::vector<Entry>{{"Portrait", 1, 1, 842}, {"Landscape", 1, 2, 501}}));
}

TEST_F(Walk, DocumentWithoutHeadingsOrContentsGivesNothing) {
    doc.page();
    doc.paragraph().line("Just text.", 100);

    extract();

    EXPECT_TRUE(list->entries.empty());
    EXPECT_TRUE(host.printed(119));
    EXPECT_TRUE(host.printed(120));
}

TEST_F(Walk, QuietWithoutVerbose) {
    state().verbose = false;
    doc.title = "Manual";
    doc.page();
    doc.paragraph("Heading 1").line("Chapter", 100);

    extract();

    EXPECT_EQ(list->entries.size(), 1u);
    EXPECT_EQ(host.output(), "");
}

TEST_F(Walk, ResetEmptiesTheListAndRestoresMaxLevel) {
    doc.page();
    doc.paragraph("Heading 1").line("Chapter", 100);
    extract(3);
    ASSERT_EQ(list->entries.size(), 1u);

    list->reset();

    EXPECT_TRUE(list->entries.empty());
    EXPECT_EQ(list->maxLevel, 6);
}

}  // namespace
}  // namespace vane::test
