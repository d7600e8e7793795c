// Page layout, driven through IDispatch.
#pragma once

#include <utility>

#include "word/PageSetup.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComPageSetup final : public PageSetup {
public:
    explicit ComPageSetup(Dispatch object) : object_(std::move(object)) {}

    int orientation() override;
    float pageHeight() override;
    float pageWidth() override;
    float topMargin() override;
    float bottomMargin() override;
    float leftMargin() override;
    float rightMargin() override;
    bool differentFirstPageHeaderFooter() override;
    bool oddAndEvenPagesHeaderFooter() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
