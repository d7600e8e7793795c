// One section, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Section.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComSection final : public Section {
public:
    explicit ComSection(Dispatch object) : object_(std::move(object)) {}

    std::unique_ptr<HeadersFooters> headers() override;
    std::unique_ptr<HeadersFooters> footers() override;
    std::unique_ptr<PageSetup> pageSetup() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
