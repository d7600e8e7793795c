#include "word/SelectionRules.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "word/WordConstants.h"

namespace vane::word {

SelectionRules::SelectionRules(const StoryParagraphs& paragraphs, TextSpan& span, int limit)
    : paragraphs_(paragraphs), span_(span), limit_(limit < 0 ? paragraphs.storyEnd() : limit) {}

void SelectionRules::set(int start, int end) { span_ = TextSpan::clamped(start, end, limit_); }

void SelectionRules::place(int position) { set(position, position); }

int SelectionRules::paragraphStep(int position, int count, int& moved) const {
    moved = 0;
    if (paragraphs_.empty()) return position;
    int index = paragraphs_.indexAt(position);
    if (count > 0) {
        while (moved < count && index + 1 < paragraphs_.count()) {
            ++index;
            ++moved;
        }
        if (moved < count && position < paragraphs_.storyEnd() - 1) {
            ++moved;
            return paragraphs_.storyEnd() - 1;
        }
        return moved == 0 ? position : paragraphs_.start(index);
    }
    // Backwards: first to the start of the paragraph holding the position.
    if (position > paragraphs_.start(index)) {
        ++moved;
        position = paragraphs_.start(index);
    }
    while (moved < -count && index > 0) {
        --index;
        ++moved;
        position = paragraphs_.start(index);
    }
    return position;
}

int SelectionRules::move(int unit, int count) {
    if (count == 0) {
        place(span_.start);
        return 0;
    }
    const int last = paragraphs_.lastCaret();
    int position = count > 0 ? span_.end : span_.start;
    int remaining = std::abs(count);
    int moved = 0;
    if (!span_.collapsed()) {
        // Collapsing toward the move counts as one unit.
        moved = 1;
        --remaining;
    }
    if (unit == kUnitCharacter) {
        if (remaining > 0) {
            const int target = std::clamp(position + (count > 0 ? remaining : -remaining), 0, last);
            moved += std::abs(target - position);
            position = target;
        }
    } else if (unit == kUnitParagraph) {
        int steps = 0;
        if (remaining > 0) position = paragraphStep(position, count > 0 ? remaining : -remaining, steps);
        moved += steps;
    } else if (unit == kUnitStory) {
        const int target = count > 0 ? last : 0;
        if (remaining > 0 && target != position) ++moved;
        if (remaining > 0) position = target;
    } else {
        throw std::invalid_argument("unit not supported");
    }
    place(std::min(position, last));
    return count > 0 ? moved : -moved;
}

int SelectionRules::edgeTarget(int unit, int from, int count, bool end) const {
    if (unit == kUnitCharacter) return std::clamp(from + count, 0, paragraphs_.storyEnd());
    if (unit == kUnitStory) return count > 0 ? paragraphs_.storyEnd() : count < 0 ? 0 : from;
    if (unit != kUnitParagraph) throw std::invalid_argument("unit not supported");
    if (end && count > 0) {
        if (paragraphs_.empty()) return from;
        // To the end of the paragraph, then of the following ones.
        int index = paragraphs_.indexAt(from > 0 ? from - 1 : 0);
        if (from >= paragraphs_.end(index)) ++index;
        return paragraphs_.end(std::min(index + count - 1, paragraphs_.count() - 1));
    }
    if (end && count == 0) return from;
    int steps = 0;
    return paragraphStep(from, count, steps);
}

int SelectionRules::moveStart(int unit, int count) {
    const int old = span_.start;
    const int target = edgeTarget(unit, old, count, false);
    set(target, std::max(target, span_.end));
    return span_.start - old;
}

int SelectionRules::moveEnd(int unit, int count, const std::vector<TextSpan>& whole) {
    const int old = span_.end;
    const int target = std::clamp(edgeTarget(unit, old, count, true), 0, paragraphs_.storyEnd());
    int start = std::min(span_.start, target);
    for (const TextSpan& entry : whole) {
        const bool grows = old <= entry.end && entry.end <= target && old < target;
        if (grows && entry.start < start && start < entry.end) start = entry.start;
    }
    set(start, target);
    return span_.end - old;
}

void SelectionRules::collapse(int direction) { place(direction == kCollapseEnd ? span_.end : span_.start); }

int SelectionRules::startOf(int unit, int extend) {
    int target = 0;
    if (unit == kUnitParagraph) {
        target = paragraphs_.empty() ? 0 : paragraphs_.start(paragraphs_.indexAt(span_.start));
    } else if (unit != kUnitStory) {
        throw std::invalid_argument("unit not supported");
    }
    return startAt(target, extend);
}

int SelectionRules::endOf(int unit, int extend) {
    int target = paragraphs_.storyEnd();
    if (unit == kUnitParagraph) {
        const int last = span_.end > span_.start ? span_.end - 1 : span_.end;
        if (!paragraphs_.empty()) target = paragraphs_.end(paragraphs_.indexAt(last));
    } else if (unit != kUnitStory) {
        throw std::invalid_argument("unit not supported");
    }
    return endAt(target, extend);
}

int SelectionRules::startAt(int target, int extend) {
    const int old = span_.start;
    set(target, extend == kExtend ? std::max(span_.end, target) : target);
    return target - old;
}

int SelectionRules::endAt(int target, int extend) {
    const int old = span_.end;
    set(extend == kExtend ? span_.start : target, target);
    return target - old;
}

}  // namespace vane::word
