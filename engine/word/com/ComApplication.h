// The running word processor, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Application.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComApplication final : public Application {
public:
    explicit ComApplication(Dispatch object) : object_(std::move(object)) {}

    std::unique_ptr<Documents> documents() override;
    std::unique_ptr<Selection> selection() override;
    void setVisible(bool visible) override;
    std::string activePrinter() override;
    void setActivePrinter(const std::string& name) override;
    std::string version() override;
    void quit() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
