// One header or footer: a story of its own.
#pragma once

#include <memory>

#include "word/HeaderFooter.h"
#include "word/office/OfficeRange.h"

namespace vane {

class OfficeHeaderFooter final : public word::HeaderFooter {
public:
    OfficeHeaderFooter(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                       std::shared_ptr<OfficeStory> story)
        : session_(std::move(session)), document_(std::move(document)), story_(std::move(story)) {}

    std::unique_ptr<word::Range> range() override {
        const int end = story_->empty() ? 0 : story_->end();
        return std::make_unique<OfficeRange>(session_, document_, story_, 0, end);
    }

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::shared_ptr<OfficeStory> story_;
};

}  // namespace vane
