// One footnote or endnote: its text is a story of its own; its reference
// mark one character of the main text.
#pragma once

#include <com/sun/star/text/XTextRange.hpp>
#include <memory>

#include "word/Footnote.h"
#include "word/office/OfficeRange.h"

namespace vane {

class OfficeFootnote final : public word::Footnote {
public:
    OfficeFootnote(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                   std::shared_ptr<OfficeStory> story, css::uno::Reference<css::text::XTextRange> anchor)
        : session_(std::move(session)),
          document_(std::move(document)),
          story_(std::move(story)),
          anchor_(std::move(anchor)) {}

    std::unique_ptr<word::Range> range() override {
        return std::make_unique<OfficeRange>(session_, document_, story_, 0, story_->end());
    }
    // Throws WordError when the mark lies outside the main text (a text box, a table the map skips).
    std::unique_ptr<word::Range> reference() override;

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::shared_ptr<OfficeStory> story_;
    css::uno::Reference<css::text::XTextRange> anchor_;
};

}  // namespace vane
