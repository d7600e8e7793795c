// A text of its own beside the main text: a footnote, a header or footer, a
// text box. Positions count from 0 inside it, as the word processor counts
// the positions of such a story; the selection may lie in it.
#pragma once

#include <com/sun/star/text/XText.hpp>
#include <memory>
#include <string>

#include "word/TextSpan.h"
#include "word/office/ParagraphMap.h"

namespace vane {

class OfficeStory {
public:
    // `type`: the story type a range in it reports (kFootnotesStory, ...).
    OfficeStory(const css::uno::Reference<css::text::XText>& text, int storyType)
        : type(storyType), text_(text) {}

    // An empty story (a header or footer that is not switched on).
    bool empty() const { return !text_.is(); }

    const css::uno::Reference<css::text::XText>& text() const { return text_; }
    ParagraphMap& map();
    // One past the last position.
    int end() { return empty() ? 0 : map().storyEnd(); }

    const int type;
    // The selection while it lies in this story.
    word::TextSpan selection;

private:
    css::uno::Reference<css::text::XText> text_;
    std::unique_ptr<ParagraphMap> map_;
};

}  // namespace vane
