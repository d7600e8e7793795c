// A stretch of a story of its own (footnote, header or footer, text box)
// between two of its positions.
#pragma once

#include <memory>

#include "word/Range.h"
#include "word/office/OfficeSession.h"
#include "word/office/OfficeStory.h"

namespace vane {

class OfficeStoryRange final : public word::Range {
public:
    OfficeStoryRange(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                     std::shared_ptr<OfficeStory> story, int start, int end)
        : session_(std::move(session)),
          document_(std::move(document)),
          story_(std::move(story)),
          start_(start),
          end_(end) {}

    std::string text() override;
    int start() override { return start_; }
    int end() override { return end_; }
    int storyType() override { return story_->type; }
    std::unique_ptr<word::Font> font() override;
    std::unique_ptr<word::Paragraphs> paragraphs() override;
    std::unique_ptr<word::Sections> sections() override;
    std::unique_ptr<word::Hyperlinks> hyperlinks() override;
    std::unique_ptr<word::Fields> fields() override;
    std::unique_ptr<word::Style> style() override;
    std::unique_ptr<word::PageSetup> pageSetup() override;
    void select() override;

private:
    DocumentSession& open() const;
    const PageStyleInfo& pageStyle();

    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::shared_ptr<OfficeStory> story_;
    int start_;
    int end_;
};

}  // namespace vane
