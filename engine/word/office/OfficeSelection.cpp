#include "word/office/OfficeSelection.h"

#include <algorithm>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/text/XBookmarksSupplier.hpp>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/view/XLineCursor.hpp>
#include <com/sun/star/view/XViewCursor.hpp>
#include <stdexcept>

#include "word/office/OfficePageSetup.h"
#include "word/office/OfficeRange.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;
using namespace word;

DocumentSession& OfficeSelection::open() const {
    if (document_->closed()) throw std::runtime_error("the document is closed");
    session_->office();
    return *document_;
}

std::unique_ptr<Range> OfficeSelection::rangeOf(int start, int end) const {
    return std::make_unique<OfficeRange>(session_, document_, start, end);
}

std::unique_ptr<Range> OfficeSelection::goTo(int what, int which, std::optional<int> count,
                                             const std::string& name) {
    return uno_call("Selection.GoTo", [&]() -> std::unique_ptr<Range> {
        open();
        switch (what) {
            case kGoToPage:
                return goToPage(which, count);
            case kGoToLine:
                return goToLine(which, count);
            case kGoToHeading:
                return goToHeading(which);
            case kGoToBookmark:
                return goToBookmark(name);
            default:
                throw std::runtime_error("go-to target not supported");
        }
    });
}

std::unique_ptr<Range> OfficeSelection::goToPage(int which, std::optional<int> count) {
    DocumentSession& document = open();
    const int pages = document.geometry().pageCount();
    int page = 1;
    if (which == kGoToNext || which == kGoToPrevious) {
        const int current = document.placeOf(document.selectionStart).page;
        const int step = count.value_or(1);
        page = current + (which == kGoToNext ? step : -step);
    } else if (which == kGoToLast) {
        page = pages;
    } else {
        page = count.value_or(1);
    }
    page = std::clamp(page, 1, pages);
    const int position = document.pageStart(page);
    document.select(position, position);
    return rangeOf(position, position);
}

std::unique_ptr<Range> OfficeSelection::goToLine(int which, std::optional<int> count) {
    DocumentSession& document = open();
    ParagraphMap& map = document.map();
    const auto view = document.viewCursor();
    const Reference<css::view::XLineCursor> line(view, UNO_QUERY_THROW);
    const Reference<css::view::XViewCursor> lines(view, UNO_QUERY_THROW);
    int steps = count.value_or(1);
    if (which == kGoToNext || which == kGoToPrevious) {
        view->gotoRange(as_range(map.cursorAt(document.selectionStart)), false);
        if (which == kGoToNext)
            lines->goDown(static_cast<sal_Int16>(steps), false);
        else
            lines->goUp(static_cast<sal_Int16>(steps), false);
    } else {
        view->gotoRange(as_range(map.cursorAt(0)), false);
        if (steps > 1) lines->goDown(static_cast<sal_Int16>(steps - 1), false);
    }
    line->gotoStartOfLine(false);
    const int position = map.positionOf(view->getStart());
    document.select(position, position);
    return rangeOf(position, position);
}

std::unique_ptr<Range> OfficeSelection::goToHeading(int which) {
    DocumentSession& document = open();
    ParagraphMap& map = document.map();
    const int count = static_cast<int>(map.entries().size());
    auto isHeading = [&](int i) { return map.outlineLevel(i) > 0; };
    int found = -1;
    if (which == kGoToNext || which == kGoToPrevious) {
        const int here = map.entryAt(document.selectionStart);
        if (which == kGoToNext) {
            for (int i = here + 1; i < count && found < 0; ++i)
                if (isHeading(i)) found = i;
            // Past the last heading the last one is reached again.
            for (int i = std::min(here, count - 1); i >= 0 && found < 0; --i)
                if (isHeading(i)) found = i;
        } else {
            for (int i = here - 1; i >= 0 && found < 0; --i)
                if (isHeading(i)) found = i;
            for (int i = std::max(here, 0); i < count && found < 0; ++i)
                if (isHeading(i)) found = i;
        }
    } else {
        for (int i = 0; i < count && found < 0; ++i)
            if (isHeading(i)) found = i;
    }
    if (found < 0) return nullptr;
    const int position = map.entries()[static_cast<std::size_t>(found)].start;
    document.select(position, position);
    return rangeOf(position, position);
}

std::unique_ptr<Range> OfficeSelection::goToBookmark(const std::string& name) {
    DocumentSession& document = open();
    const Reference<css::text::XBookmarksSupplier> supplier(document.document(), UNO_QUERY_THROW);
    const auto bookmarks = supplier->getBookmarks();
    if (!bookmarks->hasByName(ou(name))) throw std::runtime_error("the bookmark does not exist");
    const Reference<css::text::XTextContent> bookmark(bookmarks->getByName(ou(name)), UNO_QUERY_THROW);
    const auto anchor = bookmark->getAnchor();
    ParagraphMap& map = document.map();
    const int start = map.positionOf(anchor);
    const int end = std::max(start, map.positionOf(anchor, true));
    document.select(start, end);
    return rangeOf(start, end);
}

int OfficeSelection::lineEdge(int position, bool end) {
    DocumentSession& document = open();
    ParagraphMap& map = document.map();
    const auto view = document.viewCursor();
    view->gotoRange(as_range(map.cursorAt(position)), false);
    const Reference<css::view::XLineCursor> line(view, UNO_QUERY_THROW);
    if (end)
        line->gotoEndOfLine(false);
    else
        line->gotoStartOfLine(false);
    return map.positionOf(view->getStart());
}

int OfficeSelection::paragraphStep(int position, int count, int& moved) {
    ParagraphMap& map = open().map();
    const auto& entries = map.entries();
    int index = map.entryAt(position);
    moved = 0;
    if (count > 0) {
        while (moved < count && index + 1 < static_cast<int>(entries.size())) {
            ++index;
            ++moved;
        }
        if (moved < count && position < map.storyEnd() - 1) {
            ++moved;
            return map.storyEnd() - 1;
        }
        return moved == 0 ? position : entries[static_cast<std::size_t>(index)].start;
    }
    // Backwards: first to the start of the paragraph holding the position.
    if (position > entries[static_cast<std::size_t>(index)].start) {
        ++moved;
        position = entries[static_cast<std::size_t>(index)].start;
    }
    while (moved < -count && index > 0) {
        --index;
        ++moved;
        position = entries[static_cast<std::size_t>(index)].start;
    }
    return position;
}

int OfficeSelection::startOf(int unit, int extend) {
    return uno_call("Selection.StartOf", [&] {
        DocumentSession& document = open();
        const int old = document.selectionStart;
        int target = 0;
        if (unit == kUnitParagraph) {
            ParagraphMap& map = document.map();
            target = map.entries()[static_cast<std::size_t>(map.entryAt(old))].start;
        } else if (unit == kUnitLine) {
            target = lineEdge(old, false);
        } else if (unit != kUnitStory) {
            throw std::runtime_error("unit not supported");
        }
        document.select(target, extend == kExtend ? document.selectionEnd : target);
        return target - old;
    });
}

int OfficeSelection::endOf(int unit, int extend) {
    return uno_call("Selection.EndOf", [&] {
        DocumentSession& document = open();
        ParagraphMap& map = document.map();
        const int old = document.selectionEnd;
        int target = map.storyEnd();
        if (unit == kUnitParagraph) {
            const int last = old > document.selectionStart ? old - 1 : old;
            target = map.entries()[static_cast<std::size_t>(map.entryAt(last))].end();
        } else if (unit == kUnitLine) {
            target = lineEdge(old, true);
        } else if (unit != kUnitStory) {
            throw std::runtime_error("unit not supported");
        }
        document.select(extend == kExtend ? document.selectionStart : target, target);
        return target - old;
    });
}

int OfficeSelection::move(int unit, int count) {
    return uno_call("Selection.Move", [&] {
        DocumentSession& document = open();
        const int last = document.map().storyEnd() - 1;
        int moved = 0;
        int position = count >= 0 ? document.selectionEnd : document.selectionStart;
        if (count == 0) {
            document.select(document.selectionStart, document.selectionStart);
            return 0;
        }
        int remaining = count > 0 ? count : -count;
        if (document.selectionEnd > document.selectionStart) {
            // Collapsing toward the move counts as one unit.
            moved = 1;
            --remaining;
        }
        if (unit == kUnitCharacter) {
            const int target = std::clamp(position + (count > 0 ? remaining : -remaining), 0, last);
            moved += target > position ? target - position : position - target;
            position = target;
        } else if (unit == kUnitParagraph) {
            int steps = 0;
            if (remaining > 0) position = paragraphStep(position, count > 0 ? remaining : -remaining, steps);
            moved += steps;
        } else {
            throw std::runtime_error("unit not supported");
        }
        position = std::min(position, last);
        document.select(position, position);
        return count > 0 ? moved : -moved;
    });
}

int OfficeSelection::moveStart(int unit, int count) {
    return uno_call("Selection.MoveStart", [&] {
        DocumentSession& document = open();
        const int old = document.selectionStart;
        int target = old;
        if (unit == kUnitCharacter) {
            target = std::clamp(old + count, 0, document.map().storyEnd());
        } else if (unit == kUnitParagraph) {
            int steps = 0;
            target = paragraphStep(old, count, steps);
        } else {
            throw std::runtime_error("unit not supported");
        }
        document.select(target, std::max(target, document.selectionEnd));
        return target - old;
    });
}

int OfficeSelection::moveEnd(int unit, int count) {
    return uno_call("Selection.MoveEnd", [&] {
        DocumentSession& document = open();
        ParagraphMap& map = document.map();
        const int old = document.selectionEnd;
        int target = old;
        if (unit == kUnitCharacter) {
            target = std::clamp(old + count, 0, map.storyEnd());
        } else if (unit == kUnitParagraph) {
            const auto& entries = map.entries();
            int index = map.entryAt(old > 0 ? old - 1 : 0);
            if (count > 0) {
                // To the end of the paragraph, then of the following ones.
                int steps = count;
                if (old >= entries[static_cast<std::size_t>(index)].end()) ++index;
                index = std::min(index + steps - 1, static_cast<int>(entries.size()) - 1);
                target = entries[static_cast<std::size_t>(index)].end();
            } else if (count < 0) {
                int steps = 0;
                target = paragraphStep(old, count, steps);
            }
        } else {
            throw std::runtime_error("unit not supported");
        }
        target = std::clamp(target, 0, map.storyEnd());
        int start = std::min(document.selectionStart, target);
        // Growing over the end of a contents entry (a hyperlink field in the
        // word processor) selects the entry from its start.
        if (!document.story) {
            for (const auto& [entryStart, entryEnd] : document.tocEntrySpans) {
                const bool grows = old <= entryEnd && entryEnd <= target && old < target;
                if (grows && entryStart < start && start < entryEnd)
                    start = entryStart;
            }
        }
        document.select(start, target);
        return target - old;
    });
}

void OfficeSelection::collapse(int direction) {
    uno_call("Selection.Collapse", [&] {
        DocumentSession& document = open();
        const int at = direction == kCollapseEnd ? document.selectionEnd : document.selectionStart;
        document.select(at, at);
    });
}

int OfficeSelection::homeKey(int unit, int extend) {
    return uno_call("Selection.HomeKey", [&] {
        DocumentSession& document = open();
        const int old = document.selectionStart;
        int target = 0;
        if (unit == kUnitLine)
            target = lineEdge(old, false);
        else if (unit != kUnitStory)
            throw std::runtime_error("unit not supported");
        document.select(target, extend == kExtend ? document.selectionEnd : target);
        return target - old;
    });
}

int OfficeSelection::endKey(int unit, int extend) {
    return uno_call("Selection.EndKey", [&] {
        DocumentSession& document = open();
        const int old = document.selectionEnd;
        int target = document.map().storyEnd() - 1;
        if (unit == kUnitLine)
            target = lineEdge(old, true);
        else if (unit != kUnitStory)
            throw std::runtime_error("unit not supported");
        document.select(extend == kExtend ? document.selectionStart : target, target);
        return target - old;
    });
}

double OfficeSelection::information(int code) {
    return uno_call("Selection.Information", [&]() -> double {
        DocumentSession& document = open();
        switch (code) {
            case kInfoActiveEndPageNumber:
                return document.placeOf(document.selectionEnd).page;
            case kInfoHorizontalPosition:
                return static_cast<float>(document.placeOf(document.selectionStart).x);
            case kInfoVerticalPosition:
                // The top of the text, as the word processor reports it, not
                // of a line made taller than its text.
                return static_cast<float>(document.textPlaceOf(document.selectionStart).y);
            case kInfoWithInTable: {
                ParagraphMap& map = document.map();
                const auto& entry =
                    map.entries()[static_cast<std::size_t>(map.entryAt(document.selectionStart))];
                return entry.textIndex != 0 ? kInfoTrue : kInfoFalse;
            }
            default:
                throw std::runtime_error("information code not supported");
        }
    });
}

std::unique_ptr<Range> OfficeSelection::range() {
    return uno_call("Selection.Range", [&]() -> std::unique_ptr<Range> {
        DocumentSession& document = open();
        return rangeOf(document.selectionStart, document.selectionEnd);
    });
}

int OfficeSelection::start() {
    return uno_call("Selection.Start", [&] { return open().selectionStart; });
}

std::unique_ptr<PageSetup> OfficeSelection::pageSetup() {
    return uno_call("Selection.PageSetup", [&]() -> std::unique_ptr<PageSetup> {
        DocumentSession& document = open();
        return std::make_unique<OfficePageSetup>(
            std::vector<PageStyleInfo>{document.pageStyleAt(document.selectionStart)});
    });
}

}  // namespace vane
