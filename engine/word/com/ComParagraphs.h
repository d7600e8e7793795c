// A list of paragraphs, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Paragraphs.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComParagraphs final : public Paragraphs {
public:
    explicit ComParagraphs(Dispatch object) : object_(std::move(object)) {}

    int count() override;
    std::unique_ptr<Paragraph> item(int index) override;
    std::unique_ptr<Paragraph> first() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
