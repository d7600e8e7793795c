// One paragraph, driven through IDispatch.
#pragma once

#include <string>
#include <utility>

#include "word/Paragraph.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComParagraph final : public Paragraph {
public:
    explicit ComParagraph(Dispatch object) : object_(std::move(object)) {}

    std::unique_ptr<Range> range() override;
    std::unique_ptr<Style> style() override;
    float leftIndent() override;
    float rightIndent() override;
    int outlineLevel() override;
    std::string listString() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
