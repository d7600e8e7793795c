// The table-of-contents fallback: used when no built-in heading gives an
// entry; entries come from the page references of the first table of contents
// and are resolved through their bookmarks.
#include <gtest/gtest.h>

#include "OutlineFixture.h"
#include "TempDir.h"

namespace vane::test {
namespace {

class TocFallback : public OutlineFixture {
protected:
    // Page 1 holds the contents; the chapters use custom styles with outline
    // levels, which the heading walk does not take.
    void writeManual(bool hyperlinks = true) {
        doc.style("Chapter", 1).style("Section", 2);
        doc.page();
        doc.paragraph().line("Contents", 72);
        doc.toc({{.text = "Overview", .level = 1, .page = 2, .bookmark = "_Toc100", .top = 100},
                 {.text = "Goals", .level = 2, .page = 2, .bookmark = "_Toc101", .top = 114},
                 {.text = "Appendix", .level = 1, .page = 3, .bookmark = "_Toc102", .top = 128}},
                hyperlinks);
        doc.page();
        doc.paragraph("Chapter").line("Overview", 100);
        doc.paragraph().line("Text.", 130);
        doc.paragraph("Section").line("Goals", 300);
        doc.page();
        doc.paragraph("Chapter").line("Appendix", 72);
        bookmarkFrom(2, "Overview", "_Toc100");
        bookmarkFrom(2, "Goals", "_Toc101");
        bookmarkFrom(3, "Appendix", "_Toc102");
    }
};

class TocWithAndWithoutHyperlinks : public TocFallback, public ::testing::WithParamInterface<bool> {};

TEST_P(TocWithAndWithoutHyperlinks, EntriesComeFromThePageReferences) {
    writeManual(GetParam());

    extract();

    EXPECT_EQ(entries(),
              (std::vector<Entry>{{"Overview", 1, 2, 750}, {"Goals", 2, 2, 550}, {"Appendix", 1, 3, 778}}));
    EXPECT_EQ(list->entries[0]->count, -1);
    EXPECT_EQ(list->entries[1]->depth, 2);
    for (int id : {119, 122, 121}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(host.printed(id));
    }
    EXPECT_NE(host.output().find("\r\nBookmark 1: Toc=_Toc100"), std::string::npos);
    EXPECT_NE(host.output().find("\r\nBookmark 3: Page=3 Level=1 Y=778 Value=Appendix"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Contents, TocWithAndWithoutHyperlinks, ::testing::Bool());

TEST_F(TocFallback, NotUsedWhenAHeadingGivesAnEntry) {
    writeManual();
    doc.paragraph("Heading 1").line("Real heading", 300);

    extract();

    EXPECT_EQ(entries(), (std::vector<Entry>{{"Real heading", 1, 3, 550}}));
    EXPECT_FALSE(host.printed(122));
}

TEST_F(TocFallback, BookmarksThatNoLongerExistGiveAnEmptyOutline) {
    doc.style("Chapter", 1);
    doc.page();
    doc.toc({{.text = "Gone", .bookmark = "_Toc1", .top = 100},
             {.text = "Also gone", .bookmark = "_Toc2", .top = 114}});
    doc.page();
    doc.paragraph("Chapter").line("Gone", 100);

    TempDir dir;
    const std::string marks = dir.file("marks.ps");
    write_text(marks, "%!PS\r\n");
    EXPECT_NO_THROW(extract());

    ASSERT_EQ(list->entries.size(), 2u);
    EXPECT_EQ(entries(), (std::vector<Entry>{{"", 0, 0, 0}, {"", 0, 0, 0}}));
    EXPECT_EQ(list->writableCount(), 0u);
    EXPECT_TRUE(list->writeOutline(marks));
    EXPECT_EQ(read_file(marks), "%!PS\r\n");
}

TEST_F(TocFallback, EntryWhoseTargetHasNoOutlineLevelStaysEmpty) {
    writeManual();
    doc.bookmark("_Toc101", doc.find("Text."), doc.find("Text.") + 5);  // now on a Normal paragraph

    extract();

    EXPECT_EQ(entries(),
              (std::vector<Entry>{{"Overview", 1, 2, 750}, {"", 0, 0, 0}, {"Appendix", 1, 3, 778}}));
    EXPECT_EQ(list->writableCount(), 2u);
}

TEST_F(TocFallback, OnlyTheFirstTableOfContentsIsUsed) {
    writeManual();
    doc.toc({{.text = "Overview", .page = 2, .bookmark = "_Toc900", .top = 200}});
    bookmarkFrom(2, "Text.", "_Toc900");

    extract();

    EXPECT_EQ(list->entries.size(), 3u);
    EXPECT_EQ(host.output().find("_Toc900"), std::string::npos);
}

TEST_F(TocFallback, TopLevelAndMaxLevelRulesApply) {
    writeManual();

    extract(1);

    EXPECT_EQ(entries(),
              (std::vector<Entry>{{"Overview", 1, 2, 750}, {"", 0, 0, 0}, {"Appendix", 1, 3, 778}}));
}

// Only an entry with a title sets the top level, as on the heading path; an
// entry dropped for being deeper than the deepest level kept still does.
TEST_F(TocFallback, OnlyATitledEntrySetsTheTopLevel) {
    struct Target {
        const char* style;
        const char* text;
    };
    struct Case {
        const char* name;
        std::vector<Target> targets;  // in contents order, on page 2 from 100 pt down, 100 pt apart
        int maxLevel;
        std::vector<Entry> expected;
    } const cases[] = {
        {"a deeper entry without a title comes first",
         {{"Section", "\vAfter a line break"}, {"Chapter", "Overview"}, {"Section", "Goals"}},
         6,
         {{"", 0, 0, 0}, {"Overview", 1, 2, 650}, {"Goals", 2, 2, 550}}},
        {"an untitled entry at level 1 comes first",
         {{"Chapter", "\v"}, {"Section", "Goals"}, {"Chapter", "Overview"}, {"Section", "More"}},
         6,
         {{"", 0, 0, 0}, {"Goals", 2, 2, 650}, {"", 0, 0, 0}, {"More", 2, 2, 450}}},
        {"a titled entry too deep to keep still sets it",
         {{"Section", "Goals"}, {"Chapter", "Overview"}},
         1,
         {{"", 0, 0, 0}, {"", 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        word.document() = {};
        doc.style("Chapter", 1).style("Section", 2);
        doc.page();
        std::vector<FakeTocEntry> contents;
        for (std::size_t i = 0; i < c.targets.size(); ++i) {
            contents.push_back({.text = "Entry " + std::to_string(i),
                                .page = 2,
                                .bookmark = "_Toc" + std::to_string(200 + i),
                                .top = 100 + 14 * static_cast<float>(i)});
        }
        doc.toc(contents);
        doc.page();
        for (std::size_t i = 0; i < c.targets.size(); ++i) {
            doc.paragraph(c.targets[i].style).line(c.targets[i].text, 100 + 100 * static_cast<float>(i));
            bookmarkFrom(2, c.targets[i].text, contents[i].bookmark);
        }

        extract(c.maxLevel);

        EXPECT_EQ(entries(), c.expected);
    }
}

TEST_F(TocFallback, PageReferenceNamesAreReadFromTheFieldCode) {
    struct Case {
        const char* code;
        const char* name;  // bookmark expected to be looked up; nullptr: none
    };
    const Case cases[] = {
        {" PAGEREF _Toc7 \\h ", "_Toc7"},
        {" PAGEREF _Toc7 \\H ", "_Toc7"},
        {" PAGEREF _toc7 ", "_toc7"},  // no switch: the blank after the name is not part of it
        {" PAGEREF _Toc7 \\* MERGEFORMAT ", "_Toc7"},
        {" PAGEREF Figure1 \\h ", nullptr},
        {" PAGE ", nullptr},
    };
    doc.style("Chapter", 1);
    doc.page();
    doc.paragraph().line("Ref", 72);
    for (const Case& c : cases) doc.field(word::kFieldPageRef, c.code, 0, 3);
    doc.paragraph("Chapter").line("Target", 100);
    for (const char* name : {"_Toc7", "_toc7"})
        doc.bookmark(name, doc.find("Target"), doc.find("Target") + 6);

    extract();

    std::vector<std::string> looked;
    for (const std::string& call : word.calls()) {
        if (call.rfind("Selection.GoTo -1", 0) == 0) looked.push_back(call);
    }
    std::vector<Entry> resolved;
    for (const Case& c : cases) {
        if (c.name != nullptr) resolved.push_back({"Target", 1, 1, 750});
    }
    EXPECT_EQ(entries(), resolved);
    EXPECT_EQ(looked.size(), resolved.size());
}

TEST_F(TocFallback, CharacterStylesArePassedOverInTheStyleMap) {
    doc.characterStyle("Emphasis");
    writeManual();

    extract();

    EXPECT_EQ(list->entries.size(), 3u);
    EXPECT_EQ(list->entries[2]->value, "Appendix");
}

}  // namespace
}  // namespace vane::test
