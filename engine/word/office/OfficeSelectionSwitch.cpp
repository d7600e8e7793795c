#include "word/office/OfficeSelectionSwitch.h"

#include <algorithm>

#include "word/WordConstants.h"
#include "word/office/LineWalker.h"
#include "word/office/UnoCall.h"

namespace vane {

using namespace word;

int OfficeSelectionSwitch::move(int unit, int count) {
    if (inStory() || unit != kUnitLine) return active().move(unit, count);
    return uno_call("Selection.Move", [&] {
        DocumentSession& document = *document_;
        if (document.closed()) throw std::runtime_error("the document is closed");
        const int from = count >= 0 ? document.selectionEnd : document.selectionStart;
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

int OfficeSelectionSwitch::endKey(int unit, int extend) {
    if (inStory() || unit != kUnitLine) return active().endKey(unit, extend);
    return uno_call("Selection.EndKey", [&] {
        DocumentSession& document = *document_;
        if (document.closed()) throw std::runtime_error("the document is closed");
        const int old = document.selectionEnd;
        bool wrapped = false;
        const int target = LineWalker(document, document.map()).lineEnd(old, wrapped);
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
