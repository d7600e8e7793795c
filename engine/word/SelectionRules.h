// The moves of a selection over one story as position arithmetic: by
// character, paragraph or story, with the counts the word processor returns
// for them, and the start, end and collapse of a selection. Lines are laid
// out by the word processor: the caller finds a line's edge and hands it to
// startAt/endAt. Works on a span it is given; the caller writes it back.
#pragma once

#include <vector>

#include "word/StoryParagraphs.h"
#include "word/TextSpan.h"

namespace vane::word {

class SelectionRules {
public:
    // `limit`: how far the selection may reach (the story's end unless the
    // caller allows more, such as page starts after the text).
    SelectionRules(const StoryParagraphs& paragraphs, TextSpan& span, int limit = -1);

    // Collapses and moves `count` units (character, paragraph, story);
    // collapsing a selection toward the move counts as one unit. Returns the
    // units moved, negative backwards. Throws std::invalid_argument for other units.
    int move(int unit, int count);
    // Moves one edge; the other follows where they would cross. Return the
    // characters moved. A growing end that reaches over the end of one of
    // `whole` (contents entries) takes that entry whole.
    int moveStart(int unit, int count);
    int moveEnd(int unit, int count, const std::vector<TextSpan>& whole = {});
    void collapse(int direction);
    // To the start or end of the paragraph or story holding the selection;
    // extending keeps the other edge. Return the characters moved.
    int startOf(int unit, int extend);
    int endOf(int unit, int extend);
    // The start (end) set to `target`, found by the caller; the other edge
    // is kept when extending, else the selection collapses there.
    int startAt(int target, int extend);
    int endAt(int target, int extend);
    // A caret at `position`.
    void place(int position);

    // The paragraph start reached by moving `count` paragraphs from
    // `position`; `moved` gets the paragraphs crossed. Forward past the last
    // paragraph start one more step reaches the story's last caret.
    int paragraphStep(int position, int count, int& moved) const;

private:
    void set(int start, int end);
    // Where moving one edge from `from` by `count` units lands (`end`: the
    // end edge, which stops at paragraph ends rather than starts).
    int edgeTarget(int unit, int from, int count, bool end) const;

    const StoryParagraphs& paragraphs_;
    TextSpan& span_;
    int limit_;
};

}  // namespace vane::word
