#include "word/office/LineWalker.h"

#include <com/sun/star/view/XLineCursor.hpp>
#include <com/sun/star/view/XViewCursor.hpp>
#include <cstdlib>

#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

void LineWalker::moveView(int position) {
    document_.viewCursor()->gotoRange(as_range(map_.cursorAt(position)), false);
}

PageGeometry::Place LineWalker::place(int position) {
    // Building the geometry walks the pages with the view cursor: first.
    document_.geometry();
    moveView(position);
    return document_.geometry().placeOf(document_.viewCursor()->getPosition());
}

PageGeometry::Place LineWalker::placeAtLineEnd(int position) {
    if (position <= 0) return place(position);
    const std::string last = utf8(map_.cursorOver(position - 1, position)->getString());
    PageGeometry::Place before = place(position - 1);
    if (last == " " || last == "\t" || position < 2) return before;
    // A line broken inside a word: the last character ends one advance further.
    const PageGeometry::Place earlier = place(position - 2);
    if (earlier.page == before.page && std::abs(earlier.y - before.y) < 0.5 && before.x > earlier.x) {
        before.x += before.x - earlier.x;
    }
    return before;
}

int LineWalker::lineStart(int position) {
    moveView(position);
    const Reference<css::view::XLineCursor> line(document_.viewCursor(), UNO_QUERY_THROW);
    line->gotoStartOfLine(false);
    return map_.positionOf(document_.viewCursor()->getStart());
}

int LineWalker::lineEnd(int position, bool& wrapped) {
    moveView(position);
    const Reference<css::view::XLineCursor> line(document_.viewCursor(), UNO_QUERY_THROW);
    line->gotoEndOfLine(false);
    const int end = map_.positionOf(document_.viewCursor()->getStart());
    const auto& entry = map_.entries()[static_cast<std::size_t>(map_.entryAt(end))];
    wrapped = end < entry.start + entry.length;
    return end;
}

int LineWalker::lineDown(int position, int count, int& moved) {
    moved = 0;
    const int start = lineStart(position);
    int here = start;
    const Reference<css::view::XViewCursor> view(document_.viewCursor(), UNO_QUERY_THROW);
    const Reference<css::view::XLineCursor> line(document_.viewCursor(), UNO_QUERY_THROW);
    const int steps = count < 0 ? -count : count;
    for (int i = 0; i < steps; ++i) {
        moveView(here);
        const bool went = count > 0 ? view->goDown(1, false) : view->goUp(1, false);
        if (!went) break;
        line->gotoStartOfLine(false);
        const auto next = map_.findPosition(document_.viewCursor()->getStart());
        // Leaving this text (a table, a frame, another story) ends the move.
        if (!next || *next == here) break;
        here = *next;
        ++moved;
    }
    return here;
}

}  // namespace vane
