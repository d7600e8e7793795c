// A text of its own beside the main text: a footnote, a header or footer, a
// text box. Positions count from 0 inside it, as the word processor counts
// the positions of such a story; the selection may lie in it.
#pragma once

#include <com/sun/star/text/XText.hpp>
#include <memory>
#include <string>

#include "word/office/ParagraphMap.h"

namespace vane {

class OfficeStory {
public:
    explicit OfficeStory(const css::uno::Reference<css::text::XText>& text) : text_(text) {}

    const css::uno::Reference<css::text::XText>& text() const { return text_; }
    ParagraphMap& map();
    // One past the last position.
    int end() { return map().storyEnd(); }

    // The selection while it lies in this story, [start, end).
    int selectionStart = 0;
    int selectionEnd = 0;

private:
    css::uno::Reference<css::text::XText> text_;
    std::unique_ptr<ParagraphMap> map_;
};

}  // namespace vane
