// The word processor as the office: a private office process per application.
#pragma once

#include <memory>

#include "word/Application.h"
#include "word/office/OfficeSession.h"

namespace vane {

class OfficeApplication final : public word::Application {
public:
    // Starts the office; throws WordError when it cannot be started.
    OfficeApplication(Env& env, const OfficeProcessOptions& options);
    // Over an office that is already there (the one a job runs in).
    OfficeApplication(Env& env, std::unique_ptr<OfficeProcess> office);
    ~OfficeApplication() override;

    std::unique_ptr<word::Documents> documents() override;
    std::unique_ptr<word::Selection> selection() override;
    void setVisible(bool visible) override;
    std::string activePrinter() override;
    void setActivePrinter(const std::string& name) override;
    std::string version() override;
    void quit() override;

private:
    std::shared_ptr<OfficeSession> session_;
    bool started_ = false;  // the office is ours to start and end, not the one we run in
};

}  // namespace vane
