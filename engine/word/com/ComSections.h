// A list of sections, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Sections.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComSections final : public Sections {
public:
    explicit ComSections(Dispatch object) : object_(std::move(object)) {}

    int count() override;
    std::unique_ptr<Section> item(int index) override;
    std::unique_ptr<Section> first() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
