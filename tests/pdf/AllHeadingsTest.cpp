// The heading walk with -a: every paragraph with an outline level (built-in
// heading styles, custom styles with a level, a level set on the paragraph)
// down to -d, no top level, titles with their list numbers.
#include <gtest/gtest.h>

#include <functional>

#include "OutlineFixture.h"

namespace vane::test {
namespace {

using AllHeadings = OutlineFixture;

struct WalkCase {
    const char* name;
    std::function<void(FakeDocument&)> write;
    int maxLevel;
    std::vector<Entry> plain;  // without -a
    std::vector<Entry> all;    // with -a
};

// The walk over a document of its own.
std::vector<Entry> walk(const WalkCase& c, bool allHeadings) {
    FakeWord word;
    c.write(word.document());
    std::unique_ptr<word::Application> application = word.createApplication();
    std::unique_ptr<word::Documents> documents = application->documents();
    std::unique_ptr<word::Document> document = documents->open("/docs/manual.doc", {});
    CDocinfo info;
    EXPECT_GT(info.load(*application, *document), 0);
    CBookmarkList list(&info);
    list.maxLevel = c.maxLevel;
    list.allHeadings = allHeadings;
    list.extractFromHeadings(*document, *application);
    std::vector<Entry> out;
    for (const auto& e : list.entries) {
        if (!e->value.empty()) out.push_back({e->value, e->level, e->page, e->y});
    }
    return out;
}

TEST_F(AllHeadings, OutlineLevelsMakeTheHeadingsWithTheOptionOnly) {
    const WalkCase cases[] = {
        {"a title page in Heading 6 keeps the chapters with -a",
         [](FakeDocument& d) {
             d.page();
             d.paragraph("Heading 6").line("Annual report", 100);
             d.paragraph("Heading 6").line("2026", 140);
             d.page();
             d.paragraph("Heading 1").line("Overview", 72);
             d.paragraph("Heading 2").line("Scope", 200);
             d.paragraph("Heading 6").line("Aside", 300);
         },
         6,
         {{"Annual report", 6, 1, 750}, {"2026", 6, 1, 710}, {"Aside", 6, 2, 550}},
         {{"Annual report", 6, 1, 750},
          {"2026", 6, 1, 710},
          {"Overview", 1, 2, 778},
          {"Scope", 2, 2, 650},
          {"Aside", 6, 2, 550}}},
        {"custom styles with an outline level",
         [](FakeDocument& d) {
             d.style("Chapitre", 1).style("Section perso", 2).style("Plain", 10);
             d.page();
             d.paragraph("Chapitre").line("Histoire", 100);
             d.paragraph("Section perso").line("Origines", 200);
             d.paragraph("Plain").line("Body", 300);
         },
         6,
         {},
         {{"Histoire", 1, 1, 750}, {"Origines", 2, 1, 650}}},
        {"a level set on the paragraph, and one taken off a heading",
         [](FakeDocument& d) {
             d.page();
             d.paragraph().line("Direct chapter", 100);
             d.main().outline(1);
             d.paragraph("Heading 2").line("Not in the outline", 200);
             d.main().outline(10);
             d.paragraph("Heading 2").line("Section", 300);
         },
         6,
         {{"Section", 2, 1, 550}},
         {{"Direct chapter", 1, 1, 750}, {"Section", 2, 1, 550}}},
        {"numbered headings show their numbers, bullets do not",
         [](FakeDocument& d) {
             d.page();
             d.paragraph("Heading 1").line("Historique", 100);
             d.main().listNumber("3.");
             d.paragraph("Heading 2").line("Origines", 200);
             d.main().listNumber("3.1 ");
             d.paragraph("Heading 2").line("Bullet", 300);
             d.main().listNumber("\xE2\x80\xA2");
         },
         6,
         {{"Historique", 1, 1, 750}, {"Origines", 2, 1, 650}, {"Bullet", 2, 1, 550}},
         {{"3. Historique", 1, 1, 750}, {"3.1 Origines", 2, 1, 650}, {"Bullet", 2, 1, 550}}},
        {"-d stops at its level, levels 7 to 9 included when it allows",
         [](FakeDocument& d) {
             d.style("Deep", 8);
             d.page();
             d.paragraph("Heading 1").line("One", 100);
             d.paragraph("Heading 3").line("Three", 200);
             d.paragraph("Deep").line("Eight", 300);
         },
         2,
         {{"One", 1, 1, 750}},
         {{"One", 1, 1, 750}}},
    };
    for (const WalkCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(walk(c, false), c.plain) << "without -a";
        EXPECT_EQ(walk(c, true), c.all) << "with -a";
    }
}

TEST_F(AllHeadings, LevelsSevenToNineComeInWithADeepEnoughLimit) {
    doc.style("Deep", 8);
    doc.page();
    doc.paragraph("Heading 1").line("One", 100);
    doc.paragraph("Deep").line("Eight", 300);

    extract(9, true);

    EXPECT_EQ(entries(), (std::vector<Entry>{{"One", 1, 1, 750}, {"Eight", 8, 1, 550}}));
    EXPECT_EQ(list->entries[1]->depth, 2);
    EXPECT_EQ(list->entries[0]->count, -1);
}

// Without the top-level rule a shallower heading after a deeper first one
// nests as a sibling of it, not as its child.
TEST_F(AllHeadings, AShallowerHeadingAfterADeeperOneIsNotItsChild) {
    doc.page();
    doc.paragraph("Heading 6").line("Title", 100);
    doc.paragraph("Heading 1").line("Chapter", 200);
    doc.paragraph("Heading 2").line("Section", 300);

    extract(6, true);

    ASSERT_EQ(list->entries.size(), 3u);
    EXPECT_EQ(list->entries[0]->depth, 1);
    EXPECT_EQ(list->entries[0]->count, 0);
    EXPECT_EQ(list->entries[1]->depth, 1);
    EXPECT_EQ(list->entries[1]->count, -1);
    EXPECT_EQ(list->entries[2]->depth, 2);
}

}  // namespace
}  // namespace vane::test
