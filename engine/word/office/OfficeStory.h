// A story of the document: the main text, or a text of its own beside it (a
// footnote, a header or footer, a text box). Each owns its paragraph map and
// the selection while the selection lies in it. Positions count from 0 inside
// it, as the word processor counts the positions of such a story.
#pragma once

#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
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
    // The main text of `document`: its map also knows the tables and the
    // document's page layout.
    explicit OfficeStory(const css::uno::Reference<css::text::XTextDocument>& document);

    // An empty story (a header or footer that is not switched on).
    bool empty() const { return !text_.is() && !document_.is(); }

    const css::uno::Reference<css::text::XText>& text() const { return text_; }
    ParagraphMap& map();
    // The content changed: the map is read again on next use.
    void invalidate() { map_.reset(); }
    // Lets go of the text (the document is closing).
    void release();
    // One past the last position.
    int end() { return empty() ? 0 : map().storyEnd(); }

    const int type;
    // The selection while it lies in this story.
    word::TextSpan selection;

private:
    css::uno::Reference<css::text::XText> text_;
    css::uno::Reference<css::text::XTextDocument> document_;  // the main text's document
    std::unique_ptr<ParagraphMap> map_;
};

}  // namespace vane
