// Paragraph formatting of a style, driven through IDispatch.
#pragma once

#include <utility>

#include "word/ParagraphFormat.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComParagraphFormat final : public ParagraphFormat {
public:
    explicit ComParagraphFormat(Dispatch object) : object_(std::move(object)) {}

    int outlineLevel() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
