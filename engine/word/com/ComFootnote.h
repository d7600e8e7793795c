// One footnote or endnote, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Footnote.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComFootnote final : public Footnote {
public:
    explicit ComFootnote(Dispatch object) : object_(std::move(object)) {}

    std::unique_ptr<Range> range() override;
    std::unique_ptr<Range> reference() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
