#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "OpenFakeDocument.h"
#include "TempDir.h"
#include "pdf/CLinkList.h"
#include "pdf/ReferenceLinks.h"

namespace vane {
namespace {

using namespace vane::word;

// type, page, top, bottom, left, right, destination page, destination y
using Seen = std::tuple<LinkType, int, int, int, int, int, int, int>;

class ReferenceLinksTest : public ::testing::Test, protected test::OpenFakeDocument {
protected:
    std::vector<Seen> seen() const {
        std::vector<Seen> out;
        for (const auto& l : list.links) {
            out.emplace_back(l->type, l->page, l->top, l->bottom, l->left, l->right, l->destPage, l->destY);
        }
        return out;
    }
    // The walk d2p runs with -r, then the destinations.
    void crossReferences() {
        list.extractCrossReferences(*document, *application);
        list.resolveDestinations(*application);
    }

    CLinkList list{info};
};

// Page 1 holds a sentence whose word "Results" is the field's shown result
// (characters 10..17 of the line at 200, from 72 with 6 points a character);
// page 2 holds the heading "Results" the bookmark "_Ref1" covers, at 300.
TEST_F(ReferenceLinksTest, ReferenceFieldsWithTheHyperlinkSwitchLinkToTheirBookmark) {
    struct Case {
        const char* name;
        int type;
        std::string code;
        bool linked;
    } cases[] = {
        {"REF with \\h", kFieldRef, " REF _Ref1 \\h ", true},
        {"REF with \\h among other switches", kFieldRef, " REF _Ref1 \\* MERGEFORMAT \\h ", true},
        {"REF with \\H", kFieldRef, " REF _Ref1 \\H ", true},
        {"REF without \\h", kFieldRef, " REF _Ref1 \\* MERGEFORMAT ", false},
        {"PAGEREF with \\h", kFieldPageRef, " PAGEREF _Ref1 \\h ", true},
        {"PAGEREF without \\h", kFieldPageRef, " PAGEREF _Ref1 ", false},
        {"NOTEREF with \\h", kFieldNoteRef, " NOTEREF _Ref1 \\h ", true},
        {"quoted bookmark name", kFieldRef, " REF \"_Ref1\" \\h ", true},
        {"contents bookmark: the contents walk's", kFieldPageRef, " PAGEREF _Toc1 \\h ", false},
        {"hyperlink field", kFieldHyperlink, " HYPERLINK \\l \"_Ref1\" ", false},
        {"other field naming REF", kFieldRef, " SEQ REF \\h ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        word.document() = {};
        list.clear();
        doc().page().paragraph().line("See under Results below.", 200);
        const int at = doc().find("Results");
        doc().field(c.type, c.code, at, at + 7);
        doc().page().paragraph("Heading 1").line("Results", 300);
        doc().bookmark("_Ref1", doc().find("Results", doc().pageStart(2)), doc().main().length() - 1);
        doc().bookmark("_Toc1", doc().find("Results", doc().pageStart(2)), doc().main().length() - 1);
        open();
        crossReferences();
        if (!c.linked) {
            EXPECT_TRUE(list.links.empty());
            continue;
        }
        // 842 - (200 - 0.5); left 72 + 10*6 - 0.5, right 72 + 17*6 - 0.5;
        // destination 842 - (300 - 8.42) + 0.5 on page 2.
        EXPECT_EQ(seen(), (std::vector<Seen>{{LinkType::Internal, 1, 642, 630, 131, 173, 2, 550}}));
        EXPECT_EQ(list.links[0]->dest, "_Ref1");
    }
}

TEST_F(ReferenceLinksTest, WrappedFieldGivesOneLinkPerLineAndMissingBookmarkNone) {
    doc().page().paragraph().line("As shown in the chapter ", 200).line("Results and elsewhere.", 214);
    const int at = doc().find("chapter");
    doc().field(kFieldRef, " REF _Ref1 \\h ", at, doc().find("Results") + 7);
    const int other = doc().find("elsewhere");
    doc().field(kFieldRef, " REF Gone \\h ", other, other + 9);
    doc().page().paragraph("Heading 1").line("Results", 300);
    doc().bookmark("_Ref1", doc().find("Results", doc().pageStart(2)), doc().main().length() - 1);
    open();
    crossReferences();
    ASSERT_EQ(list.links.size(), 3u);
    // "chapter " ends the first line, "Results" begins the second.
    EXPECT_EQ(seen()[0], (Seen{LinkType::Internal, 1, 642, 630, 167, 215, 2, 550}));
    EXPECT_EQ(seen()[1], (Seen{LinkType::Internal, 1, 628, 616, 71, 113, 2, 550}));
    // The bookmark the document lacks: found, but no destination, so no mark.
    EXPECT_EQ(list.links[2]->dest, "Gone");
    EXPECT_EQ(list.links[2]->destPage, 0);
    test::TempDir dir;
    const std::string marks = dir.path() + "/marks.ps";
    ASSERT_TRUE(list.writeAnnotations(marks));
    const std::string written = test::read_file(marks);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 2);
}

// A footnote mark "1" (character 4 of the line at 100 on page 1) and its note
// at 780 on the same page; an endnote mark "i" on page 1 at 120 and its note on
// page 2 at 90. The mark links to the note's first line; the box just left of
// the note's text (where its number is drawn, as tall and as wide as the
// text's size) links back to the mark.
TEST_F(ReferenceLinksTest, NoteMarksLinkToTheirNotesAndBack) {
    doc().page().paragraph().line("Text1 with a note.", 100).paragraph().line("Morei and an endnote.", 120);
    doc().page().paragraph().line("Second page", 72);
    auto& note = doc().footnote(1);
    note.paragraph().line("A footnote.", 780);
    doc().noteReference(note, 4, 5);
    auto& endnote = doc().endnote(2);
    endnote.paragraph().font(10, 5).line("An endnote.", 90, 80);
    const int mark = doc().find("i and");
    doc().noteReference(endnote, mark, mark + 1);
    open();
    crossReferences();
    EXPECT_EQ(seen(), (std::vector<Seen>{
                          // mark "1": 72 + 4*6 - 0.5 .. +6; to 842 - (780 - 8.42) + 0.5
                          {LinkType::Internal, 1, 742, 730, 95, 101, 1, 70},
                          // the footnote's number: from 12 points left of 72 to 72; to 842 - (100 - 8.42) + 0.5
                          {LinkType::Internal, 1, 62, 50, 59, 72, 1, 750},
                          // mark "i": 72 + 4*6 - 0.5 on the line at 120; to 842 - (90 - 8.42) + 0.5
                          {LinkType::Internal, 1, 722, 710, 95, 101, 2, 760},
                          // the endnote's number: its text is 10 points, from 80
                          {LinkType::Internal, 2, 752, 742, 69, 80, 1, 730},
                      }));
}

// Right-to-left notes: the text starts at its right end and runs leftwards, so
// the number stands right of the text's start, up to the right margin (523 on
// a page 595 wide); a note starting at the margin itself gets a box of the
// text's size beyond it.
TEST_F(ReferenceLinksTest, RightToLeftNoteNumbersStandRightOfTheirText) {
    doc().page().paragraph().line("Text1 and2 with notes.", 100);
    auto& first = doc().footnote(1);
    first.paragraph().font(12, -6).line("A footnote.", 760, 500);
    doc().noteReference(first, 4, 5);
    auto& second = doc().footnote(1);
    second.paragraph().font(10, -5).line("Another.", 780, 523);
    doc().noteReference(second, 9, 10);
    open();
    crossReferences();
    const auto links = seen();
    ASSERT_EQ(links.size(), 4u);
    // the numbers: from the text's start (less half a point) rightwards
    EXPECT_EQ(links[1], (Seen{LinkType::Internal, 1, 82, 70, 499, 523, 1, 750}));
    EXPECT_EQ(links[3], (Seen{LinkType::Internal, 1, 62, 52, 522, 533, 1, 750}));
}

TEST_F(ReferenceLinksTest, NotesWithoutMarkOrPageAreLeftAloneAndFailuresEndOnlyTheirPart) {
    doc().page().paragraph().line("Text1 and 2.", 100);
    doc().footnote(1).paragraph().line("No mark.", 760);
    auto& offPage = doc().footnote(0);
    offPage.paragraph().line("On no page.", 0);
    doc().noteReference(offPage, 4, 5);
    auto& good = doc().footnote(1);
    good.paragraph().line("Linked.", 780);
    doc().noteReference(good, 10, 11);
    doc().field(kFieldRef, " REF _Ref1 \\h ", 0, 4);
    doc().bookmark("_Ref1", 6, 9);
    word.failOn("Fields.Count");
    open();
    crossReferences();
    // Only the third note's mark and number; the fields part failed alone.
    ASSERT_EQ(list.links.size(), 2u);
    EXPECT_EQ(list.links[0]->dest, "footnote 3");
    EXPECT_EQ(list.links[1]->dest, "footnote 3 mark");
    EXPECT_EQ(list.links[0]->left, 131);  // 72 + 10*6 - 0.5
}

// A REF with \h in a footnote, a text box and the primary header of a
// three-page document; one without \h in the footer. The footnote's and the
// text box's links lie where their text is measured; the header's is repeated
// on every page. All lead to the heading on page 3.
TEST_F(ReferenceLinksTest, ReferenceFieldsInOtherStories) {
    doc().page().paragraph().line("Anchor here", 100);
    doc().page().paragraph().line("Second page", 72);
    doc().page().paragraph("Heading 1").line("Results", 300);
    doc().bookmark("_Ref1", doc().find("Results"), doc().find("Results") + 7);
    auto& note = doc().footnote(2);
    note.paragraph().line("See Results.", 780);
    doc().storyField(note, kFieldRef, " REF _Ref1 \\h ", 4, 11);
    auto& box = doc().shape({.anchor = 0, .width = 100, .height = 50}, 1);
    box.paragraph().line("Results", 400, 200);
    doc().storyField(box, kFieldRef, " REF _Ref1 \\h ", 0, 7);
    auto& header = doc().header(1, kHeaderFooterPrimary, 1);
    header.paragraph().line("Go to Results", 36);
    doc().storyField(header, kFieldPageRef, " PAGEREF _Ref1 \\h ", 6, 13);
    auto& footer = doc().footer(1, kHeaderFooterPrimary, 1);
    footer.paragraph().line("Results", 820);
    doc().storyField(footer, kFieldRef, " REF _Ref1 ", 0, 7);
    open();
    crossReferences();
    // to 842 - (300 - 8.42) + 0.5 on page 3
    EXPECT_EQ(seen(), (std::vector<Seen>{
                          // the text box: 842 - (400 - 0.5); 200 - 0.5 .. 200 + 42 - 0.5
                          {LinkType::Internal, 1, 442, 430, 199, 241, 3, 550},
                          // the footnote, on its own page: 842 - (780 - 0.5); 72 + 24 - 0.5 ..
                          {LinkType::Internal, 2, 62, 50, 95, 137, 3, 550},
                          // the header: 842 - (36 - 0.5); 72 + 36 - 0.5 .. on pages 1 to 3
                          {LinkType::Internal, 1, 806, 794, 107, 149, 3, 550},
                          {LinkType::Internal, 2, 806, 794, 107, 149, 3, 550},
                          {LinkType::Internal, 3, 806, 794, 107, 149, 3, 550},
                      }));
}

TEST_F(ReferenceLinksTest, WithoutCrossReferencesTheOtherWalksFindNone) {
    doc().page().paragraph().line("See Results.", 200);
    doc().field(kFieldRef, " REF _Ref1 \\h ", 4, 11);
    doc().bookmark("_Ref1", 4, 11);
    auto& note = doc().footnote(1);
    note.paragraph().line("A footnote.", 780);
    doc().noteReference(note, 2, 3);
    open();
    list.extractTocLinks(*application, *document);
    list.extractOtherLinks(*document, *application);
    EXPECT_TRUE(list.links.empty());
}

}  // namespace
}  // namespace vane
