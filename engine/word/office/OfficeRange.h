// A stretch of the main text or of a story of its own (footnote, header or
// footer, text box) between two linear positions of that story. Holds
// positions only, no text range of the office.
#pragma once

#include <memory>

#include "word/Range.h"
#include "word/WordConstants.h"
#include "word/office/OfficeSession.h"
#include "word/office/OfficeStory.h"

namespace vane {

class OfficeRange final : public word::Range {
public:
    // `story`: null for the main text.
    OfficeRange(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                std::shared_ptr<OfficeStory> story, int start, int end)
        : session_(std::move(session)),
          document_(std::move(document)),
          story_(std::move(story)),
          start_(start),
          end_(end) {}
    // A stretch of the main text.
    OfficeRange(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document, int start,
                int end)
        : OfficeRange(std::move(session), std::move(document), nullptr, start, end) {}

    std::string text() override;
    int start() override { return start_; }
    int end() override { return end_; }
    int storyType() override { return story_ ? story_->type : word::kMainTextStory; }
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
    ParagraphMap& map() const;
    // The page style where a story's range is drawn.
    const PageStyleInfo& storyPageStyle();

    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::shared_ptr<OfficeStory> story_;
    int start_;
    int end_;
};

// A paragraph's text as the word processor gives it: a line break inside a
// paragraph is a vertical tab.
std::string word_text(const std::string& officeText);

}  // namespace vane
