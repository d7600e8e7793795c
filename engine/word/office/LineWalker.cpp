#include "word/office/LineWalker.h"

#include <algorithm>
#include <com/sun/star/view/XLineCursor.hpp>
#include <com/sun/star/view/XViewCursor.hpp>
#include <cstdlib>
#include <vector>

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
    // A line broken inside a word: the last character ends one advance of
    // that character further. The advance is read where the same character
    // is drawn with the next one beside it; the advance of the character
    // before is the fallback ("/" after "m" would overshoot by 6 pt).
    if (const auto advance = advanceOf(position - 1, last)) {
        before.x += *advance;
        return before;
    }
    const PageGeometry::Place earlier = place(position - 2);
    if (earlier.page == before.page && std::abs(earlier.y - before.y) < 0.5 && before.x > earlier.x) {
        before.x += before.x - earlier.x;
    }
    return before;
}

std::optional<double> LineWalker::advanceOf(int position, const std::string& character) {
    const auto& entry = map_.entries()[static_cast<std::size_t>(map_.entryAt(position))];
    // Plain paragraphs only: there a string index is a position.
    if (entry.complex || position <= entry.start) return std::nullopt;
    const int from = std::max(entry.start, position - kAdvanceSearch);
    const std::string text = utf8(map_.cursorOver(from, position)->getString());
    std::vector<std::size_t> starts;  // byte offset of each character
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    if (static_cast<int>(starts.size()) != position - from) return std::nullopt;
    const auto fontOf = [this](int at) {
        const auto set = props(map_.cursorOver(at, at + 1));
        return std::make_pair(prop_text(set, "CharFontName"), prop<float>(set, "CharHeight"));
    };
    const auto font = fontOf(position);
    int tries = 0;
    for (int k = static_cast<int>(starts.size()) - 2; k >= 0 && tries < kAdvanceTries; --k) {
        const std::size_t begin = starts[static_cast<std::size_t>(k)];
        const std::size_t end = starts[static_cast<std::size_t>(k) + 1];
        if (text.compare(begin, end - begin, character) != 0) continue;
        ++tries;
        const int at = from + k;
        if (fontOf(at) != font) continue;
        const PageGeometry::Place here = place(at);
        const PageGeometry::Place next = place(at + 1);
        if (here.page == next.page && std::abs(here.y - next.y) < 0.5 && next.x > here.x)
            return next.x - here.x;
    }
    return std::nullopt;
}

int LineWalker::lineStart(int position) {
    moveView(position);
    const Reference<css::view::XLineCursor> line(document_.viewCursor(), UNO_QUERY_THROW);
    line->gotoStartOfLine(false);
    return map_.positionOf(document_.viewCursor()->getStart());
}

bool LineWalker::wrapsAt(int position) {
    const auto& entry = map_.entries()[static_cast<std::size_t>(map_.entryAt(position))];
    if (position <= entry.start || position >= entry.start + entry.length) return false;
    moveView(position);
    const Reference<css::view::XLineCursor> line(document_.viewCursor(), UNO_QUERY_THROW);
    if (!line->isAtStartOfLine()) return false;
    const std::string last = utf8(map_.cursorOver(position - 1, position)->getString());
    return last != "\n" && last != "\r";
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
