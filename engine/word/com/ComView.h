// How a pane shows its document, driven through IDispatch.
#pragma once

#include <utility>

#include "word/View.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComView final : public View {
public:
    explicit ComView(Dispatch object) : object_(std::move(object)) {}

    void setType(int type) override;
    void setSeekView(int seek) override;

private:
    Dispatch object_;
};

}  // namespace vane::word
