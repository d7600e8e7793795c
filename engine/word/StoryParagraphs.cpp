#include "word/StoryParagraphs.h"

#include <algorithm>

namespace vane::word {

void StoryParagraphs::add(int start, int length) {
    starts_.push_back(start);
    lengths_.push_back(length);
    end_ = std::max(end_, start + length + 1);
}

void StoryParagraphs::extendTo(int end) { end_ = std::max(end_, end); }

int StoryParagraphs::indexAt(int position) const {
    if (starts_.empty()) return -1;
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
    if (after == starts_.begin()) return 0;
    return static_cast<int>(after - starts_.begin()) - 1;
}

}  // namespace vane::word
