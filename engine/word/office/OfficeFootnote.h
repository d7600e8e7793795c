// One footnote: its text is a story of its own.
#pragma once

#include <memory>

#include "word/Footnote.h"
#include "word/office/OfficeStoryRange.h"

namespace vane {

class OfficeFootnote final : public word::Footnote {
public:
    OfficeFootnote(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                   std::shared_ptr<OfficeStory> story)
        : session_(std::move(session)), document_(std::move(document)), story_(std::move(story)) {}

    std::unique_ptr<word::Range> range() override {
        return std::make_unique<OfficeStoryRange>(session_, document_, story_, 0, story_->end());
    }

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::shared_ptr<OfficeStory> story_;
};

}  // namespace vane
