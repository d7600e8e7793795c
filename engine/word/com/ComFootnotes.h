// The footnotes or the endnotes of a document, driven through IDispatch
// (both collections have the same members).
#pragma once

#include <utility>

#include "word/Footnotes.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComFootnotes final : public Footnotes {
public:
    explicit ComFootnotes(Dispatch object) : object_(std::move(object)) {}

    int count() override;
    std::unique_ptr<Footnote> item(int index) override;

private:
    Dispatch object_;
};

}  // namespace vane::word
