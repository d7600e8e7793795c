// The application's selection, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Selection.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComSelection final : public Selection {
public:
    explicit ComSelection(Dispatch object) : object_(std::move(object)) {}

    std::unique_ptr<Range> goTo(int what, int which, std::optional<int> count,
                                const std::string& name) override;
    int startOf(int unit, int extend) override;
    int endOf(int unit, int extend) override;
    int move(int unit, int count) override;
    int moveStart(int unit, int count) override;
    int moveEnd(int unit, int count) override;
    void collapse(int direction) override;
    int homeKey(int unit, int extend) override;
    int endKey(int unit, int extend) override;
    double information(int code) override;
    std::unique_ptr<Range> range() override;
    int start() override;
    std::unique_ptr<PageSetup> pageSetup() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
