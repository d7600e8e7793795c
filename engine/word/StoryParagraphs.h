// Where the paragraphs of one story lie, as linear positions: one position
// per character and one for each paragraph mark. Knows nothing of how the
// word processor stores the text; the backends fill it from what they read.
#pragma once

#include <vector>

namespace vane::word {

class StoryParagraphs {
public:
    // Appends a paragraph starting at `start` with `length` characters, its
    // mark not counted. Paragraphs are added in story order.
    void add(int start, int length);
    // The story reaches at least to `end` (text after the last paragraph).
    void extendTo(int end);

    bool empty() const { return starts_.empty(); }
    int count() const { return static_cast<int>(starts_.size()); }
    int start(int index) const { return starts_[static_cast<std::size_t>(index)]; }
    // Where the paragraph's text ends: its mark.
    int textEnd(int index) const { return start(index) + lengths_[static_cast<std::size_t>(index)]; }
    // After the paragraph's mark.
    int end(int index) const { return textEnd(index) + 1; }
    // One past the last position.
    int storyEnd() const { return end_; }
    // The last position a caret can take (before the final mark).
    int lastCaret() const { return end_ > 0 ? end_ - 1 : 0; }
    // The paragraph holding `position`: the last one starting at or before
    // it (the first before the first one); -1 when there is none.
    int indexAt(int position) const;

private:
    std::vector<int> starts_;
    std::vector<int> lengths_;
    int end_ = 0;
};

}  // namespace vane::word
