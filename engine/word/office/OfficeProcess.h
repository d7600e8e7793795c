// One private office process: started with its own profile and pipe,
// connected over the pipe, and ended with it. Whatever fails, destroying the
// object leaves no office process and no profile behind.
#pragma once

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <memory>
#include <string>
#include <thread>

#include "platform/ChildProcess.h"
#include "word/office/OfficeProfile.h"

namespace vane {

class Env;

struct OfficeProcessOptions {
    std::string program = "soffice";  // found on PATH
    bool visible = false;             // windows shown (only with a display)
    int connectTimeoutMs = 60000;
    int quitTimeoutMs = 15000;
};

class OfficeProcess {
public:
    // Starts the office and connects to it; throws std::runtime_error when it
    // cannot be started or does not answer in time (nothing is left behind).
    OfficeProcess(Env& env, const OfficeProcessOptions& options);
    // The office this code runs in (a job inside it): no process of ours and
    // no profile; quitting it only lets go of it.
    static std::unique_ptr<OfficeProcess> within(Env& env,
                                                 const css::uno::Reference<css::uno::XComponentContext>& ownContext);
    OfficeProcess(const OfficeProcess&) = delete;
    OfficeProcess& operator=(const OfficeProcess&) = delete;
    ~OfficeProcess();

    const css::uno::Reference<css::uno::XComponentContext>& context() const { return context_; }
    const css::uno::Reference<css::frame::XDesktop2>& desktop() const { return desktop_; }
    const OfficeProfile& profile() const { return *profile_; }
    bool running() const { return child_ != nullptr || hosting_; }
    // True once the started office has ended (or was never started).
    bool ended();

    // Asks the office to end, waits for it (killing it after the time-out)
    // and removes the profile. Returns true when it ended by itself.
    bool quit();
    // Asks the office to end without waiting for it, neither for its answer
    // nor for its process; quit() (or the destructor) then waits for both.
    void askToQuit();

private:
    struct Within {};
    OfficeProcess(Env& env, Within, const css::uno::Reference<css::uno::XComponentContext>& ownContext);
    void connect(const std::string& pipeName);
    void stop(bool ask);

    Env& env_;
    OfficeProcessOptions options_;
    std::unique_ptr<OfficeProfile> profile_;
    std::unique_ptr<ChildProcess> child_;
    bool killed_ = false;
    bool hosting_ = false;
    css::uno::Reference<css::uno::XComponentContext> context_;
    css::uno::Reference<css::frame::XDesktop2> desktop_;
    std::thread asking_;  // the request to end made by askToQuit()
};

// Quotes one argument for the POSIX shell.
std::string shell_quote(const std::string& argument);

}  // namespace vane
