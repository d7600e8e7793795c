#include <gtest/gtest.h>

#include "OpenFake.h"

namespace vane::test {
namespace {

using namespace vane::word;

void select(OpenFake& w, int start, int end) {
    w.sel->goToFirst(kGoToPage);
    if (start > 0) w.sel->move(kUnitCharacter, start);
    if (end > start) w.sel->moveEnd(kUnitCharacter, end - start);
}

enum class Op { StartOf, EndOf, Move, MoveStart, MoveEnd, Collapse, HomeKey, EndKey };

TEST(FakeSelection, Movements) {
    struct Case {
        const char* name;
        int start, end;
        Op op;
        int unit, arg;
        int expectStart, expectEnd;
    };
    const Case cases[] = {
        {"start of paragraph, move", 20, 20, Op::StartOf, kUnitParagraph, kMove, 13, 13},
        {"start of paragraph, extend", 20, 25, Op::StartOf, kUnitParagraph, kExtend, 13, 25},
        {"end of paragraph, extend takes the mark", 13, 13, Op::EndOf, kUnitParagraph, kExtend, 13, 50},
        {"end of paragraph, move", 20, 20, Op::EndOf, kUnitParagraph, kMove, 50, 50},
        {"move characters", 5, 5, Op::Move, kUnitCharacter, 3, 8, 8},
        {"move forward collapses to the end", 5, 10, Op::Move, kUnitCharacter, 1, 10, 10},
        {"move back collapses to the start", 5, 10, Op::Move, kUnitCharacter, -1, 5, 5},
        {"move stops before the last mark", 70, 70, Op::Move, kUnitCharacter, 50, 73, 73},
        {"move a paragraph forward", 20, 20, Op::Move, kUnitParagraph, 1, 50, 50},
        {"move a paragraph back to its start", 20, 20, Op::Move, kUnitParagraph, -1, 13, 13},
        {"move a paragraph back from its start", 13, 13, Op::Move, kUnitParagraph, -1, 0, 0},
        {"move a line down", 20, 20, Op::Move, kUnitLine, 1, 34, 34},
        {"move a line up", 40, 40, Op::Move, kUnitLine, -1, 13, 13},
        {"move start a paragraph back", 20, 25, Op::MoveStart, kUnitParagraph, -1, 13, 25},
        {"move start a character forward", 20, 25, Op::MoveStart, kUnitCharacter, 1, 21, 25},
        {"move end a paragraph forward", 13, 13, Op::MoveEnd, kUnitParagraph, 1, 13, 50},
        {"move end a character back", 13, 50, Op::MoveEnd, kUnitCharacter, -1, 13, 49},
        {"move end before the start drags it", 10, 12, Op::MoveEnd, kUnitCharacter, -5, 7, 7},
        {"collapse to start", 5, 10, Op::Collapse, 0, kCollapseStart, 5, 5},
        {"collapse to end", 5, 10, Op::Collapse, 0, kCollapseEnd, 10, 10},
        {"home of a second line", 40, 40, Op::HomeKey, kUnitLine, kMove, 34, 34},
        {"home extends back", 40, 40, Op::HomeKey, kUnitLine, kExtend, 34, 40},
        {"end of a wrapped line is the wrap point", 20, 20, Op::EndKey, kUnitLine, kMove, 34, 34},
        {"end of a paragraph's last line is before the mark", 40, 40, Op::EndKey, kUnitLine, kMove, 49, 49},
        {"end extends", 20, 20, Op::EndKey, kUnitLine, kExtend, 20, 34},
        {"home of the story", 40, 45, Op::HomeKey, kUnitStory, kMove, 0, 0},
        {"end of the story", 5, 5, Op::EndKey, kUnitStory, kMove, 73, 73},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWord fake;
        write_sample(fake.document());
        OpenFake w;
        select(w, c.start, c.end);
        ASSERT_EQ(w.sel->start(), c.start);
        ASSERT_EQ(w.sel->range()->end(), c.end);
        switch (c.op) {
            case Op::StartOf:
                w.sel->startOf(c.unit, c.arg);
                break;
            case Op::EndOf:
                w.sel->endOf(c.unit, c.arg);
                break;
            case Op::Move:
                w.sel->move(c.unit, c.arg);
                break;
            case Op::MoveStart:
                w.sel->moveStart(c.unit, c.arg);
                break;
            case Op::MoveEnd:
                w.sel->moveEnd(c.unit, c.arg);
                break;
            case Op::Collapse:
                w.sel->collapse(c.arg);
                break;
            case Op::HomeKey:
                w.sel->homeKey(c.unit, c.arg);
                break;
            case Op::EndKey:
                w.sel->endKey(c.unit, c.arg);
                break;
        }
        auto r = w.sel->range();
        EXPECT_EQ(r->start(), c.expectStart);
        EXPECT_EQ(r->end(), c.expectEnd);
    }
}

// What a move returns: the engine stops walking when a move reports 0.
TEST(FakeSelection, MoveCounts) {
    struct Case {
        const char* name;
        int start, end;
        int unit, count;
        int returned, expectAt;
    };
    const Case cases[] = {
        {"a character at the last caret", 73, 73, kUnitCharacter, 1, 0, 73},
        {"characters up to the last caret", 70, 70, kUnitCharacter, 50, 3, 73},
        {"zero collapses to the start", 20, 25, kUnitCharacter, 0, 0, 20},
        {"collapsing forward counts one line", 20, 25, kUnitLine, 1, 1, 25},
        {"collapse and a line down", 20, 25, kUnitLine, 2, 2, 34},
        {"a line up", 40, 40, kUnitLine, -1, -1, 13},
        {"a paragraph forward", 20, 20, kUnitParagraph, 1, 1, 50},
        {"a paragraph back from inside one", 20, 20, kUnitParagraph, -1, -1, 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWord fake;
        write_sample(fake.document());
        OpenFake w;
        select(w, c.start, c.end);
        EXPECT_EQ(w.sel->move(c.unit, c.count), c.returned);
        EXPECT_EQ(w.sel->start(), c.expectAt);
        EXPECT_EQ(w.sel->range()->end(), c.expectAt);
    }
}

TEST(FakeSelection, InformationFromTheLines) {
    struct Case {
        const char* name;
        int start, end;
        double page, horizontal, vertical;
    };
    const Case cases[] = {
        {"document start", 0, 0, 1, 72, 72},
        {"inside a first line", 20, 20, 1, 72 + 7 * 6, 100},
        {"inside a wrapped line", 40, 40, 1, 72 + 6 * 6, 114},
        {"indented line on page 2", 60, 60, 2, 90 + 2 * 6, 100},
        {"page of the end, position of the start", 45, 60, 2, 72 + 11 * 6, 114},
        {"a range ending at a page start stays on its page", 13, 50, 1, 72, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWord fake;
        write_sample(fake.document());
        OpenFake w;
        select(w, c.start, c.end);
        EXPECT_EQ(w.sel->information(kInfoActiveEndPageNumber), c.page);
        EXPECT_FLOAT_EQ(static_cast<float>(w.sel->information(kInfoHorizontalPosition)),
                        static_cast<float>(c.horizontal));
        EXPECT_FLOAT_EQ(static_cast<float>(w.sel->information(kInfoVerticalPosition)),
                        static_cast<float>(c.vertical));
        EXPECT_EQ(w.sel->information(kInfoWithInTable), kInfoFalse);
    }
}

TEST(FakeSelection, TableAndUnknownInformation) {
    FakeWord fake;
    auto& doc = fake.document();
    doc.paragraph().line("Before", 72);
    doc.paragraph();
    doc.main().inTable();
    doc.line("Cell", 90);
    OpenFake w;
    w.sel->move(kUnitCharacter, 8);
    EXPECT_EQ(w.sel->information(kInfoWithInTable), kInfoTrue);
    w.sel->move(kUnitCharacter, -3);
    EXPECT_EQ(w.sel->information(kInfoWithInTable), kInfoFalse);
    EXPECT_THROW(w.sel->information(99), WordError);
}

// Walks a hyperlink that wraps onto a second line the way the link measurement
// does: the fake must report each line's left and right end.
TEST(FakeSelection, MeasuringAWrappedLinkLineByLine) {
    FakeWord fake;
    write_sample(fake.document());
    fake.document().hyperlinkOn("wraps over", "http://example.org");
    OpenFake w;
    auto link = w.doc->hyperlinks()->item(1)->range();
    ASSERT_EQ(link->start(), 28);
    ASSERT_EQ(link->end(), 38);

    link->select();
    w.sel->collapse(kCollapseStart);
    w.sel->homeKey(kUnitLine, kMove);
    int lines = 1;
    while (true) {
        w.sel->move(kUnitLine, 1);
        if (w.sel->start() >= 38) break;
        ++lines;
    }
    EXPECT_EQ(lines, 2);

    link->select();
    w.sel->collapse(kCollapseStart);
    EXPECT_EQ(w.sel->information(kInfoHorizontalPosition), 72 + 15 * 6);
    // First line: one character on, extend to the line end, then go there.
    w.sel->move(kUnitCharacter, 1);
    EXPECT_EQ(w.sel->information(kInfoVerticalPosition), 100);
    w.sel->endKey(kUnitLine, kExtend);
    EXPECT_EQ(w.sel->range()->text(), "raps ");
    w.sel->collapse(kCollapseStart);
    w.sel->endKey(kUnitLine, kMove);
    EXPECT_EQ(w.sel->information(kInfoHorizontalPosition), 72 + 21 * 6);
    EXPECT_EQ(w.sel->information(kInfoVerticalPosition), 100);  // the wrap point shows on its own line
    // On to the next line.
    w.sel->move(kUnitCharacter, 1);
    EXPECT_EQ(w.sel->information(kInfoVerticalPosition), 114);
    w.sel->homeKey(kUnitLine, kMove);
    EXPECT_EQ(w.sel->start(), 34);
    EXPECT_EQ(w.sel->information(kInfoHorizontalPosition), 72);
    w.sel->move(kUnitCharacter, 4);
    EXPECT_EQ(w.sel->information(kInfoHorizontalPosition), 72 + 4 * 6);
}

TEST(FakeSelection, GoToAndFindTheLineStartForTocEntries) {
    FakeWord fake;
    auto& doc = fake.document();
    doc.paragraph("TOC 1").line("Introduction\t1", 72);
    doc.paragraph("TOC 1").line("Details\t2", 86);
    doc.field(kFieldPageRef, " PAGEREF _Toc2 \\h ", doc.find("2\r"), doc.find("2\r") + 1);
    OpenFake w;
    auto field = w.doc->fields()->item(1);
    field->select();
    EXPECT_EQ(w.sel->range()->text(), "2");
    w.sel->collapse(kCollapseEnd);
    w.sel->homeKey(kUnitLine, kExtend);
    EXPECT_EQ(w.sel->range()->text(), "Details\t2");
    EXPECT_EQ(w.sel->information(kInfoVerticalPosition), 86);
}

}  // namespace
}  // namespace vane::test
