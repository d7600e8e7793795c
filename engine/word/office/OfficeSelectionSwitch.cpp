#include "word/office/OfficeSelectionSwitch.h"

#include <algorithm>

#include "word/WordConstants.h"
#include "word/office/LineWalker.h"
#include "word/office/UnoCall.h"

namespace vane {

using namespace word;

int OfficeSelectionSwitch::move(int unit, int count) {
    if (inStory()) return active().move(unit, count);
    if (unit == kUnitCharacter) {
        const int moved = active().move(unit, count);
        // Moving forward onto a wrap point ends the line moved along: the
        // selection is shown at that line's end, not at the next line's start.
        if (count > 0) {
            DocumentSession& document = *document_;
            document.atLineEnd = uno_call("Selection.Move", [&] {
                return LineWalker(document, document.map()).wrapsAt(document.selectionStart);
            });
        }
        return moved;
    }
    if (unit != kUnitLine) return active().move(unit, count);
    return uno_call("Selection.Move", [&] {
        DocumentSession& document = *document_;
        if (document.closed()) throw std::runtime_error("the document is closed");
        int from = count >= 0 ? document.selectionEnd : document.selectionStart;
        // A selection shown at a line's end moves from that line.
        if (collapsedAtLineEnd()) --from;
        int moved = 0;
        const int target = LineWalker(document, document.map()).lineDown(from, count, moved);
        document.select(target, target);
        return count >= 0 ? moved : -moved;
    });
}

void OfficeSelectionSwitch::collapse(int direction) {
    const bool lineEnd = document_->atLineEnd;
    active().collapse(direction);
    if (!inStory() && direction == kCollapseEnd) document_->atLineEnd = lineEnd;
}

int OfficeSelectionSwitch::homeKey(int unit, int extend) {
    if (inStory() || unit != kUnitLine || !collapsedAtLineEnd()) return active().homeKey(unit, extend);
    return uno_call("Selection.HomeKey", [&] {
        DocumentSession& document = *document_;
        const int old = document.selectionStart;
        const int target = LineWalker(document, document.map()).lineStart(old - 1);
        document.select(target, extend == kExtend ? old : target);
        return target - old;
    });
}

int OfficeSelectionSwitch::endKey(int unit, int extend) {
    if (inStory() || unit != kUnitLine) return active().endKey(unit, extend);
    return uno_call("Selection.EndKey", [&] {
        DocumentSession& document = *document_;
        if (document.closed()) throw std::runtime_error("the document is closed");
        const int old = document.selectionEnd;
        bool wrapped = collapsedAtLineEnd();
        // Already at the end of the line it is shown on.
        const int target = wrapped ? old : LineWalker(document, document.map()).lineEnd(old, wrapped);
        const int start = extend == kExtend ? document.selectionStart : target;
        document.select(start, target);
        document.atLineEnd = wrapped && start == target;
        return target - old;
    });
}

double OfficeSelectionSwitch::information(int code) {
    if (!inStory() && document_->atLineEnd && document_->selectionStart == document_->selectionEnd &&
        (code == kInfoHorizontalPosition || code == kInfoVerticalPosition)) {
        return uno_call("Selection.Information", [&]() -> double {
            const auto place = LineWalker(*document_, document_->map()).placeAtLineEnd(document_->selectionStart);
            return static_cast<float>(code == kInfoHorizontalPosition ? place.x : place.y);
        });
    }
    return active().information(code);
}

}  // namespace vane
