#include "word/office/OfficeSelection.h"

#include <algorithm>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/text/XBookmarksSupplier.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/view/XLineCursor.hpp>
#include <com/sun/star/view/XViewCursor.hpp>
#include <limits>
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

ParagraphMap& OfficeSelection::map() const { return story() ? story()->map() : document_->map(); }

TextSpan OfficeSelection::span() const {
    if (const OfficeStory* text = story()) return text->selection;
    return {document_->mainText().selection.start, document_->mainText().selection.end};
}

void OfficeSelection::set(const TextSpan& span, bool atLineEnd) {
    if (OfficeStory* text = story()) {
        text->selection = TextSpan::clamped(span.start, span.end, text->end());
    } else {
        document_->select(span.start, span.end);
    }
    document_->atLineEnd = atLineEnd;
}

bool OfficeSelection::collapsedAtLineEnd() const { return document_->atLineEnd && span().collapsed(); }

template <typename Rule>
int OfficeSelection::apply(Rule rule) {
    TextSpan current = span();
    // The main text's selection may stand on page starts after its text
    // (the pages of notes): the session keeps it in bounds.
    const int limit = story() ? story()->end() : std::numeric_limits<int>::max();
    SelectionRules rules(map().paragraphs(), current, limit);
    int moved = 0;
    try {
        moved = rule(rules);
    } catch (const std::invalid_argument& e) {
        throw std::runtime_error(e.what());
    }
    set(current);
    return moved;
}

PageGeometry::Place OfficeSelection::place(int position) {
    if (story()) return walker().place(position);
    return document_->placeOf(position);
}

std::unique_ptr<Range> OfficeSelection::rangeOf(int start, int end) const {
    return std::make_unique<OfficeRange>(session_, document_, document_->story, start, end);
}

std::unique_ptr<Range> OfficeSelection::goTo(int what, int which, std::optional<int> count,
                                             const std::string& name) {
    return uno_call("Selection.GoTo", [&]() -> std::unique_ptr<Range> {
        // Targets lie in the main text: going there leaves a story.
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
        const int current = document.placeOf(document.mainText().selection.start).page;
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
        view->gotoRange(as_range(map.cursorAt(document.mainText().selection.start)), false);
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
        const int here = map.entryAt(document.mainText().selection.start);
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

int OfficeSelection::startOf(int unit, int extend) {
    return uno_call("Selection.StartOf", [&] {
        open();
        if (unit == kUnitLine) {
            const int target = walker().lineStart(span().start);
            return apply([&](SelectionRules& rules) { return rules.startAt(target, extend); });
        }
        return apply([&](SelectionRules& rules) { return rules.startOf(unit, extend); });
    });
}

int OfficeSelection::endOf(int unit, int extend) {
    return uno_call("Selection.EndOf", [&] {
        open();
        if (unit != kUnitLine) return apply([&](SelectionRules& rules) { return rules.endOf(unit, extend); });
        const TextSpan old = span();
        bool wrapped = false;
        const int target = walker().lineEnd(old.end, wrapped);
        const int start = extend == kExtend ? old.start : target;
        set({start, target}, wrapped && start == target);
        return target - old.end;
    });
}

int OfficeSelection::move(int unit, int count) {
    return uno_call("Selection.Move", [&] {
        open();
        if (unit == kUnitLine) return moveLines(count);
        const int moved = apply([&](SelectionRules& rules) { return rules.move(unit, count); });
        // Moving forward onto a wrap point ends the line moved along: the
        // selection is shown at that line's end, not at the next line's start.
        if (unit == kUnitCharacter && count > 0) document_->atLineEnd = walker().wrapsAt(span().start);
        return moved;
    });
}

int OfficeSelection::moveLines(int count) {
    const TextSpan old = span();
    const bool fromLineEnd = collapsedAtLineEnd();
    int position = count > 0 ? old.end : old.start;
    int remaining = count > 0 ? count : -count;
    int moved = 0;
    if (!old.collapsed() && count != 0) {
        // Collapsing toward the move counts as one unit.
        moved = 1;
        --remaining;
    }
    if (remaining > 0) {
        int lines = 0;
        // A selection shown at a line's end moves from that line.
        position = walker().lineDown(fromLineEnd ? position - 1 : position, count > 0 ? remaining : -remaining,
                                     lines);
        moved += lines;
    }
    position = std::min(position, map().paragraphs().lastCaret());
    set({position, position});
    return count >= 0 ? moved : -moved;
}

int OfficeSelection::moveStart(int unit, int count) {
    return uno_call("Selection.MoveStart", [&] {
        open();
        return apply([&](SelectionRules& rules) { return rules.moveStart(unit, count); });
    });
}

int OfficeSelection::moveEnd(int unit, int count) {
    return uno_call("Selection.MoveEnd", [&] {
        open();
        // Growing over the end of a contents entry (a hyperlink field in the
        // word processor) selects the entry from its start.
        std::vector<TextSpan> entries;
        if (!story()) {
            for (const auto& [start, end] : document_->tocEntrySpans) entries.emplace_back(start, end);
        }
        return apply([&](SelectionRules& rules) { return rules.moveEnd(unit, count, entries); });
    });
}

void OfficeSelection::collapse(int direction) {
    uno_call("Selection.Collapse", [&] {
        open();
        const bool lineEnd = document_->atLineEnd;
        apply([&](SelectionRules& rules) {
            rules.collapse(direction);
            return 0;
        });
        document_->atLineEnd = direction == kCollapseEnd && lineEnd;
    });
}

int OfficeSelection::homeKey(int unit, int extend) {
    return uno_call("Selection.HomeKey", [&] {
        open();
        int target = 0;
        if (unit == kUnitLine) {
            const int old = span().start;
            target = walker().lineStart(collapsedAtLineEnd() ? old - 1 : old);
        } else if (unit != kUnitStory) {
            throw std::runtime_error("unit not supported");
        }
        return apply([&](SelectionRules& rules) { return rules.startAt(target, extend); });
    });
}

int OfficeSelection::endKey(int unit, int extend) {
    return uno_call("Selection.EndKey", [&] {
        open();
        const TextSpan old = span();
        int target = map().paragraphs().lastCaret();
        bool wrapped = false;
        if (unit == kUnitLine) {
            // Already at the end of the line it is shown on, or to the end of its line.
            wrapped = collapsedAtLineEnd();
            target = wrapped ? old.end : walker().lineEnd(old.end, wrapped);
        } else if (unit != kUnitStory) {
            throw std::runtime_error("unit not supported");
        }
        const int start = extend == kExtend ? old.start : target;
        set({start, target}, wrapped && start == target);
        return target - old.end;
    });
}

double OfficeSelection::information(int code) {
    return uno_call("Selection.Information", [&]() -> double {
        open();
        const TextSpan now = span();
        switch (code) {
            case kInfoActiveEndPageNumber:
                return place(now.end).page;
            case kInfoHorizontalPosition:
            case kInfoVerticalPosition: {
                const bool horizontal = code == kInfoHorizontalPosition;
                if (collapsedAtLineEnd()) {
                    const auto atEnd = walker().placeAtLineEnd(now.start);
                    return static_cast<float>(horizontal ? atEnd.x : atEnd.y);
                }
                if (horizontal) return static_cast<float>(place(now.start).x);
                // The top of the text, as the word processor reports it, not
                // of a line made taller than its text.
                return static_cast<float>(story() ? walker().place(now.start).y
                                                  : document_->textPlaceOf(now.start).y);
            }
            case kInfoWithInTable: {
                ParagraphMap& paragraphs = map();
                const auto& entry = paragraphs.entries()[static_cast<std::size_t>(paragraphs.entryAt(now.start))];
                return entry.textIndex != 0 ? kInfoTrue : kInfoFalse;
            }
            default:
                throw std::runtime_error("information code not supported");
        }
    });
}

std::unique_ptr<Range> OfficeSelection::range() {
    return uno_call("Selection.Range", [&]() -> std::unique_ptr<Range> {
        open();
        const TextSpan now = span();
        return rangeOf(now.start, now.end);
    });
}

int OfficeSelection::start() {
    return uno_call("Selection.Start", [&] {
        open();
        return span().start;
    });
}

std::unique_ptr<PageSetup> OfficeSelection::pageSetup() {
    return uno_call("Selection.PageSetup", [&]() -> std::unique_ptr<PageSetup> {
        DocumentSession& document = open();
        const int at = span().start;
        if (story()) {
            return std::make_unique<OfficePageSetup>(
                std::vector<PageStyleInfo>{document.geometry().page(walker().place(at).page)});
        }
        return std::make_unique<OfficePageSetup>(std::vector<PageStyleInfo>{document.pageStyleAt(at)});
    });
}

}  // namespace vane
