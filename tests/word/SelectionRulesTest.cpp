// The selection's position arithmetic, without a word processor.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "word/SelectionRules.h"
#include "word/WordConstants.h"

namespace vane::word {
namespace {

// "Hello\r" [0, 6), an empty paragraph [6, 7), "World!\r" [7, 14).
StoryParagraphs three_paragraphs() {
    StoryParagraphs paragraphs;
    paragraphs.add(0, 5);
    paragraphs.add(6, 0);
    paragraphs.add(7, 6);
    return paragraphs;
}

enum class Op { Move, MoveStart, MoveEnd, StartOf, EndOf, Collapse };

struct Case {
    const char* name;
    TextSpan from;
    Op op;
    int unit;
    int arg;
    TextSpan expect;
    int returned;
};

int apply(SelectionRules& rules, const Case& c, const std::vector<TextSpan>& whole = {}) {
    switch (c.op) {
        case Op::Move:
            return rules.move(c.unit, c.arg);
        case Op::MoveStart:
            return rules.moveStart(c.unit, c.arg);
        case Op::MoveEnd:
            return rules.moveEnd(c.unit, c.arg, whole);
        case Op::StartOf:
            return rules.startOf(c.unit, c.arg);
        case Op::EndOf:
            return rules.endOf(c.unit, c.arg);
        case Op::Collapse:
            rules.collapse(c.arg);
            return 0;
    }
    return 0;
}

void check(const StoryParagraphs& paragraphs, const std::vector<Case>& cases,
           const std::vector<TextSpan>& whole = {}) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextSpan span = c.from;
        SelectionRules rules(paragraphs, span);
        EXPECT_EQ(apply(rules, c, whole), c.returned);
        EXPECT_EQ(span.start, c.expect.start);
        EXPECT_EQ(span.end, c.expect.end);
    }
}

TEST(StoryParagraphs, FindsTheParagraphOfAPosition) {
    StoryParagraphs paragraphs = three_paragraphs();
    EXPECT_EQ(paragraphs.storyEnd(), 14);
    EXPECT_EQ(paragraphs.lastCaret(), 13);
    const std::pair<int, int> cases[] = {{0, 0}, {5, 0}, {6, 1}, {7, 2}, {13, 2}, {40, 2}, {-3, 0}};
    for (const auto& [position, index] : cases) EXPECT_EQ(paragraphs.indexAt(position), index) << position;
    EXPECT_EQ(paragraphs.textEnd(2), 13);
    EXPECT_EQ(paragraphs.end(2), 14);
    paragraphs.extendTo(20);  // text after the last paragraph (field codes)
    EXPECT_EQ(paragraphs.storyEnd(), 20);
    paragraphs.extendTo(3);
    EXPECT_EQ(paragraphs.storyEnd(), 20);
    EXPECT_EQ(StoryParagraphs().indexAt(0), -1);
}

TEST(SelectionRules, MovesByCharacterAndStory) {
    check(three_paragraphs(),
          {
              {"forward", {0, 0}, Op::Move, kUnitCharacter, 3, {3, 3}, 3},
              {"stops before the last mark", {10, 10}, Op::Move, kUnitCharacter, 50, {13, 13}, 3},
              {"at the last caret nothing moves", {13, 13}, Op::Move, kUnitCharacter, 1, {13, 13}, 0},
              {"back stops at the start", {2, 2}, Op::Move, kUnitCharacter, -5, {0, 0}, -2},
              {"collapsing forward counts one", {2, 4}, Op::Move, kUnitCharacter, 1, {4, 4}, 1},
              {"collapsing back counts one", {2, 4}, Op::Move, kUnitCharacter, -1, {2, 2}, -1},
              {"collapse and one more", {2, 4}, Op::Move, kUnitCharacter, 2, {5, 5}, 2},
              {"zero collapses to the start", {2, 4}, Op::Move, kUnitCharacter, 0, {2, 2}, 0},
              {"story forward", {3, 3}, Op::Move, kUnitStory, 1, {13, 13}, 1},
              {"story back", {3, 3}, Op::Move, kUnitStory, -1, {0, 0}, -1},
              {"collapsing back is the one unit", {3, 5}, Op::Move, kUnitStory, -1, {3, 3}, -1},
              {"story back at the start", {0, 0}, Op::Move, kUnitStory, -1, {0, 0}, 0},
          });
}

TEST(SelectionRules, MovesByParagraph) {
    check(three_paragraphs(),
          {
              {"to the next start", {2, 2}, Op::Move, kUnitParagraph, 1, {6, 6}, 1},
              {"over an empty paragraph", {2, 2}, Op::Move, kUnitParagraph, 2, {7, 7}, 2},
              {"past the last start to the last caret", {2, 2}, Op::Move, kUnitParagraph, 5, {13, 13}, 3},
              {"at the last caret", {13, 13}, Op::Move, kUnitParagraph, 1, {13, 13}, 0},
              {"back to its own start", {9, 9}, Op::Move, kUnitParagraph, -1, {7, 7}, -1},
              {"back from a start", {7, 7}, Op::Move, kUnitParagraph, -1, {6, 6}, -1},
              {"back two", {9, 9}, Op::Move, kUnitParagraph, -2, {6, 6}, -2},
              {"back at the story start", {0, 0}, Op::Move, kUnitParagraph, -1, {0, 0}, 0},
              {"collapsing counts one", {2, 9}, Op::Move, kUnitParagraph, 2, {13, 13}, 2},
          });
}

TEST(SelectionRules, MovesOneEdge) {
    check(three_paragraphs(),
          {
              {"start a character on", {2, 4}, Op::MoveStart, kUnitCharacter, 1, {3, 4}, 1},
              {"start past the end drags it", {2, 4}, Op::MoveStart, kUnitCharacter, 5, {7, 7}, 5},
              {"start clamped at 0", {2, 4}, Op::MoveStart, kUnitCharacter, -10, {0, 4}, -2},
              {"start a paragraph back", {9, 10}, Op::MoveStart, kUnitParagraph, -1, {7, 10}, -2},
              {"start a paragraph on", {2, 4}, Op::MoveStart, kUnitParagraph, 1, {6, 6}, 4},
              {"end before the start drags it", {3, 4}, Op::MoveEnd, kUnitCharacter, -5, {0, 0}, -4},
              {"end may take the last mark", {10, 10}, Op::MoveEnd, kUnitCharacter, 100, {10, 14}, 4},
              {"end to its paragraph's end", {2, 2}, Op::MoveEnd, kUnitParagraph, 1, {2, 6}, 4},
              {"end at a paragraph end goes on", {0, 6}, Op::MoveEnd, kUnitParagraph, 1, {0, 7}, 1},
              {"end over the last paragraph", {2, 2}, Op::MoveEnd, kUnitParagraph, 3, {2, 14}, 12},
              {"end a paragraph back", {2, 9}, Op::MoveEnd, kUnitParagraph, -1, {2, 7}, -2},
              {"end to the story end", {2, 3}, Op::MoveEnd, kUnitStory, 1, {2, 14}, 11},
          });
}

TEST(SelectionRules, StartEndAndCollapse) {
    check(three_paragraphs(),
          {
              {"collapse to the start", {2, 4}, Op::Collapse, 0, kCollapseStart, {2, 2}, 0},
              {"collapse to the end", {2, 4}, Op::Collapse, 0, kCollapseEnd, {4, 4}, 0},
              {"paragraph start", {9, 10}, Op::StartOf, kUnitParagraph, kMove, {7, 7}, -2},
              {"paragraph start, extending", {9, 10}, Op::StartOf, kUnitParagraph, kExtend, {7, 10}, -2},
              {"story start, extending", {9, 10}, Op::StartOf, kUnitStory, kExtend, {0, 10}, -9},
              {"paragraph end takes the mark", {2, 2}, Op::EndOf, kUnitParagraph, kMove, {6, 6}, 4},
              {"an end after a mark stays in its paragraph", {0, 6}, Op::EndOf, kUnitParagraph, kExtend,
               {0, 6}, 0},
              {"story end", {2, 2}, Op::EndOf, kUnitStory, kExtend, {2, 14}, 12},
          });
    TextSpan span{3, 3};
    SelectionRules rules(three_paragraphs(), span);
    EXPECT_THROW(rules.startOf(kUnitLine, kMove), std::invalid_argument);
    EXPECT_THROW(rules.move(kUnitLine, 1), std::invalid_argument);
}

TEST(SelectionRules, GrowsOverAWholeContentsEntry) {
    const std::vector<TextSpan> entries = {{7, 13}};
    check(three_paragraphs(),
          {
              {"over the entry's end", {9, 9}, Op::MoveEnd, kUnitCharacter, 4, {7, 13}, 4},
              {"from an entry's end on", {9, 13}, Op::MoveEnd, kUnitCharacter, 1, {7, 14}, 1},
              {"short of the entry's end", {9, 9}, Op::MoveEnd, kUnitCharacter, 2, {9, 11}, 2},
              {"from before the entry", {2, 9}, Op::MoveEnd, kUnitCharacter, 4, {2, 13}, 4},
              {"shrinking", {9, 13}, Op::MoveEnd, kUnitCharacter, -1, {9, 12}, -1},
          },
          entries);
}

TEST(SelectionRules, EmptyStoriesAndParagraphs) {
    StoryParagraphs none;
    StoryParagraphs one;
    one.add(0, 0);
    for (const StoryParagraphs* paragraphs : {&none, &one}) {
        check(*paragraphs,
              {
                  {"character", {0, 0}, Op::Move, kUnitCharacter, 1, {0, 0}, 0},
                  {"paragraph on", {0, 0}, Op::Move, kUnitParagraph, 1, {0, 0}, 0},
                  {"paragraph back", {0, 0}, Op::Move, kUnitParagraph, -1, {0, 0}, 0},
                  {"start of paragraph", {0, 0}, Op::StartOf, kUnitParagraph, kMove, {0, 0}, 0},
                  {"end moves no further than the story", {0, 0}, Op::MoveEnd, kUnitCharacter, 5,
                   {0, paragraphs->storyEnd()}, paragraphs->storyEnd()},
              });
    }
}

TEST(SelectionRules, AWiderLimitKeepsPositionsPastTheText) {
    const StoryParagraphs paragraphs = three_paragraphs();
    TextSpan span{0, 0};
    SelectionRules(paragraphs, span, 20).place(18);
    EXPECT_EQ(span, TextSpan(18, 18));
    SelectionRules(paragraphs, span, 20).collapse(kCollapseStart);
    EXPECT_EQ(span, TextSpan(18, 18));
    SelectionRules(paragraphs, span).collapse(kCollapseStart);
    EXPECT_EQ(span, TextSpan(14, 14));
}

}  // namespace
}  // namespace vane::word
