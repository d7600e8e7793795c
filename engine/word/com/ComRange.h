// A stretch of a story, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Range.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComRange final : public Range {
public:
    explicit ComRange(Dispatch object) : object_(std::move(object)) {}

    std::string text() override;
    int start() override;
    int end() override;
    int storyType() override;
    std::unique_ptr<Font> font() override;
    std::unique_ptr<Paragraphs> paragraphs() override;
    std::unique_ptr<Sections> sections() override;
    std::unique_ptr<Hyperlinks> hyperlinks() override;
    std::unique_ptr<Fields> fields() override;
    std::unique_ptr<Style> style() override;
    std::unique_ptr<PageSetup> pageSetup() override;
    void select() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
