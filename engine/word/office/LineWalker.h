// Line geometry of one text (the main text or a story of its own), read by
// moving the office's view cursor: where a position is drawn, where its line
// starts and ends, the line below. The end of a wrapped line is the wrap
// point, where the next line starts; it is shown at the end of the line
// before (the last character's end, a trailing blank left out).
#pragma once

#include <optional>
#include <string>

#include "word/office/DocumentSession.h"
#include "word/office/PageGeometry.h"
#include "word/office/ParagraphMap.h"

namespace vane {

class LineWalker {
public:
    LineWalker(DocumentSession& document, ParagraphMap& map) : document_(document), map_(map) {}

    // Where the character at `position` is drawn.
    PageGeometry::Place place(int position);
    // Where a selection at the wrap point `position` is shown: the end of the line before.
    PageGeometry::Place placeAtLineEnd(int position);
    int lineStart(int position);
    // Whether a line of a paragraph starts at `position` where the line
    // before breaks by wrapping (not at a manual line break).
    bool wrapsAt(int position);
    // The end of the line holding `position`; `wrapped` tells a wrap point
    // from the end of a paragraph's text.
    int lineEnd(int position, bool& wrapped);
    // The start of the line `count` lines below (negative: above); `moved`
    // gets how many lines were crossed.
    int lineDown(int position, int count, int& moved);

private:
    // How far and how often advanceOf looks back for the same character.
    static constexpr int kAdvanceSearch = 400;
    static constexpr int kAdvanceTries = 4;

    void moveView(int position);
    // The advance of `character` at `position`, read from an earlier
    // occurrence of it in the same paragraph and font; nothing when none is
    // drawn with a following character on its line.
    std::optional<double> advanceOf(int position, const std::string& character);

    DocumentSession& document_;
    ParagraphMap& map_;
};

}  // namespace vane
