// One style, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Style.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComStyle final : public Style {
public:
    explicit ComStyle(Dispatch object) : object_(std::move(object)) {}

    std::string nameLocal() override;
    bool builtIn() override;
    std::unique_ptr<ParagraphFormat> paragraphFormat() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
