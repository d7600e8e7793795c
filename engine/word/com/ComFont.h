// Character formatting, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Font.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComFont final : public Font {
public:
    explicit ComFont(Dispatch object) : object_(std::move(object)) {}

    float size() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
