#include "word/office/OfficeStorySelection.h"

#include <algorithm>
#include <stdexcept>

#include "word/WordConstants.h"
#include "word/office/LineWalker.h"
#include "word/office/OfficePageSetup.h"
#include "word/office/OfficeStoryRange.h"
#include "word/office/UnoCall.h"

namespace vane {

using namespace word;

OfficeStory& OfficeStorySelection::story() const {
    if (document_->closed()) throw std::runtime_error("the document is closed");
    session_->office();
    if (!document_->story) throw std::runtime_error("the selection is not in this story");
    return *document_->story;
}

void OfficeStorySelection::set(int start, int end, bool atLineEnd) {
    OfficeStory& text = story();
    const int last = text.end();
    text.selectionStart = std::clamp(start, 0, last);
    text.selectionEnd = std::clamp(end, text.selectionStart, last);
    document_->atLineEnd = atLineEnd;
}

int OfficeStorySelection::paragraphStart(int position) {
    ParagraphMap& map = story().map();
    return map.entries()[static_cast<std::size_t>(map.entryAt(position))].start;
}

int OfficeStorySelection::paragraphEnd(int position) {
    ParagraphMap& map = story().map();
    return map.entries()[static_cast<std::size_t>(map.entryAt(position))].end();
}

std::unique_ptr<Range> OfficeStorySelection::goTo(int, int, std::optional<int>, const std::string&) {
    throw WordError("Selection.GoTo: not available inside this story");
}

int OfficeStorySelection::startOf(int unit, int extend) {
    return uno_call("Selection.StartOf", [&] {
        OfficeStory& text = story();
        const int old = text.selectionStart;
        int target = 0;
        if (unit == kUnitParagraph) {
            target = paragraphStart(old);
        } else if (unit == kUnitLine) {
            target = LineWalker(*document_, text.map()).lineStart(old);
        } else if (unit != kUnitStory) {
            throw std::runtime_error("unit not supported");
        }
        set(target, extend == kExtend ? text.selectionEnd : target);
        return target - old;
    });
}

int OfficeStorySelection::endOf(int unit, int extend) {
    return uno_call("Selection.EndOf", [&] {
        OfficeStory& text = story();
        const int old = text.selectionEnd;
        int target = text.end();
        bool wrapped = false;
        if (unit == kUnitParagraph) {
            target = paragraphEnd(old > text.selectionStart ? old - 1 : old);
        } else if (unit == kUnitLine) {
            target = LineWalker(*document_, text.map()).lineEnd(old, wrapped);
        } else if (unit != kUnitStory) {
            throw std::runtime_error("unit not supported");
        }
        const int start = extend == kExtend ? text.selectionStart : target;
        set(start, target, wrapped && start == target);
        return target - old;
    });
}

int OfficeStorySelection::move(int unit, int count) {
    return uno_call("Selection.Move", [&] {
        OfficeStory& text = story();
        const int last = std::max(0, text.end() - 1);
        if (count == 0) {
            set(text.selectionStart, text.selectionStart);
            return 0;
        }
        int position = count > 0 ? text.selectionEnd : text.selectionStart;
        const bool fromLineEnd = document_->atLineEnd && text.selectionStart == text.selectionEnd;
        int remaining = count > 0 ? count : -count;
        int moved = 0;
        if (text.selectionEnd > text.selectionStart) {
            // Collapsing toward the move counts as one unit.
            moved = 1;
            --remaining;
        }
        if (remaining > 0) {
            if (unit == kUnitCharacter) {
                const int target = std::clamp(position + (count > 0 ? remaining : -remaining), 0, last);
                moved += std::abs(target - position);
                position = target;
            } else if (unit == kUnitParagraph) {
                ParagraphMap& map = text.map();
                int index = map.entryAt(position);
                const int entries = static_cast<int>(map.entries().size());
                if (count > 0) {
                    for (; remaining > 0 && index + 1 < entries; --remaining, ++moved) ++index;
                    position = map.entries()[static_cast<std::size_t>(index)].start;
                } else {
                    if (position > map.entries()[static_cast<std::size_t>(index)].start) {
                        --remaining;
                        ++moved;
                    }
                    for (; remaining > 0 && index > 0; --remaining, ++moved) --index;
                    position = map.entries()[static_cast<std::size_t>(index)].start;
                }
            } else if (unit == kUnitLine) {
                int lines = 0;
                // A selection shown at a line's end moves from that line.
                position = LineWalker(*document_, text.map())
                               .lineDown(fromLineEnd ? position - 1 : position,
                                         count > 0 ? remaining : -remaining, lines);
                moved += lines;
            } else {
                throw std::runtime_error("unit not supported");
            }
        }
        position = std::min(position, last);
        // Moving forward onto a wrap point leaves the selection at the end of the line moved along.
        const bool lineEnd =
            unit == kUnitCharacter && count > 0 && LineWalker(*document_, text.map()).wrapsAt(position);
        set(position, position, lineEnd);
        return count > 0 ? moved : -moved;
    });
}

int OfficeStorySelection::moveStart(int unit, int count) {
    return uno_call("Selection.MoveStart", [&] {
        OfficeStory& text = story();
        const int old = text.selectionStart;
        int target = old;
        if (unit == kUnitCharacter) {
            target = old + count;
        } else if (unit == kUnitParagraph) {
            ParagraphMap& map = text.map();
            int index = map.entryAt(old);
            if (count < 0) {
                int steps = -count;
                if (old > map.entries()[static_cast<std::size_t>(index)].start) --steps;
                index = std::max(0, index - steps);
            } else {
                index = std::min(index + count, static_cast<int>(map.entries().size()) - 1);
            }
            target = map.entries()[static_cast<std::size_t>(index)].start;
        } else {
            throw std::runtime_error("unit not supported");
        }
        target = std::clamp(target, 0, text.end());
        set(target, std::max(target, text.selectionEnd));
        return target - old;
    });
}

int OfficeStorySelection::moveEnd(int unit, int count) {
    return uno_call("Selection.MoveEnd", [&] {
        OfficeStory& text = story();
        const int old = text.selectionEnd;
        int target = old;
        if (unit == kUnitCharacter) {
            target = old + count;
        } else if (unit == kUnitParagraph) {
            ParagraphMap& map = text.map();
            const auto& entries = map.entries();
            int index = map.entryAt(old > 0 ? old - 1 : 0);
            if (count > 0) {
                if (old >= entries[static_cast<std::size_t>(index)].end()) ++index;
                index = std::min(index + count - 1, static_cast<int>(entries.size()) - 1);
                target = entries[static_cast<std::size_t>(index)].end();
            } else if (count < 0) {
                index = map.entryAt(old);
                int steps = -count;
                if (old > entries[static_cast<std::size_t>(index)].start) --steps;
                target = entries[static_cast<std::size_t>(std::max(0, index - steps))].start;
            }
        } else {
            throw std::runtime_error("unit not supported");
        }
        target = std::clamp(target, 0, text.end());
        set(std::min(text.selectionStart, target), target);
        return target - old;
    });
}

void OfficeStorySelection::collapse(int direction) {
    uno_call("Selection.Collapse", [&] {
        OfficeStory& text = story();
        const int at = direction == kCollapseEnd ? text.selectionEnd : text.selectionStart;
        set(at, at, direction == kCollapseEnd && document_->atLineEnd);
    });
}

int OfficeStorySelection::homeKey(int unit, int extend) {
    return uno_call("Selection.HomeKey", [&] {
        OfficeStory& text = story();
        const int old = text.selectionStart;
        int target = 0;
        if (unit == kUnitLine) {
            const bool lineEnd = document_->atLineEnd && text.selectionStart == text.selectionEnd;
            target = LineWalker(*document_, text.map()).lineStart(lineEnd ? old - 1 : old);
        } else if (unit != kUnitStory) {
            throw std::runtime_error("unit not supported");
        }
        set(target, extend == kExtend ? text.selectionEnd : target);
        return target - old;
    });
}

int OfficeStorySelection::endKey(int unit, int extend) {
    return uno_call("Selection.EndKey", [&] {
        OfficeStory& text = story();
        const int old = text.selectionEnd;
        int target = std::max(0, text.end() - 1);
        bool wrapped = false;
        if (unit == kUnitLine) {
            // Already at the end of the line it is shown on, or to the end of its line.
            wrapped = document_->atLineEnd && text.selectionStart == text.selectionEnd;
            target = wrapped ? old : LineWalker(*document_, text.map()).lineEnd(old, wrapped);
        } else if (unit != kUnitStory) {
            throw std::runtime_error("unit not supported");
        }
        const int start = extend == kExtend ? text.selectionStart : target;
        set(start, target, wrapped && start == target);
        return target - old;
    });
}

double OfficeStorySelection::information(int code) {
    return uno_call("Selection.Information", [&]() -> double {
        OfficeStory& text = story();
        LineWalker walker(*document_, text.map());
        const bool lineEnd = document_->atLineEnd && text.selectionStart == text.selectionEnd;
        switch (code) {
            case kInfoActiveEndPageNumber:
                return walker.place(text.selectionEnd).page;
            case kInfoHorizontalPosition:
            case kInfoVerticalPosition: {
                const auto place =
                    lineEnd ? walker.placeAtLineEnd(text.selectionStart) : walker.place(text.selectionStart);
                return static_cast<float>(code == kInfoHorizontalPosition ? place.x : place.y);
            }
            case kInfoWithInTable: {
                ParagraphMap& map = text.map();
                return map.entries()[static_cast<std::size_t>(map.entryAt(text.selectionStart))].textIndex != 0
                           ? kInfoTrue
                           : kInfoFalse;
            }
            default:
                throw std::runtime_error("information code not supported");
        }
    });
}

std::unique_ptr<Range> OfficeStorySelection::range() {
    return uno_call("Selection.Range", [&]() -> std::unique_ptr<Range> {
        OfficeStory& text = story();
        return std::make_unique<OfficeStoryRange>(session_, document_, document_->story, text.selectionStart,
                                                  text.selectionEnd);
    });
}

int OfficeStorySelection::start() {
    return uno_call("Selection.Start", [&] { return story().selectionStart; });
}

std::unique_ptr<PageSetup> OfficeStorySelection::pageSetup() {
    return uno_call("Selection.PageSetup", [&]() -> std::unique_ptr<PageSetup> {
        OfficeStory& text = story();
        const int page = LineWalker(*document_, text.map()).place(text.selectionStart).page;
        return std::make_unique<OfficePageSetup>(std::vector<PageStyleInfo>{document_->geometry().page(page)});
    });
}

}  // namespace vane
