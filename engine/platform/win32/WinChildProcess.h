// A child process created with CreateProcess, hidden, without inherited
// handles and with empty standard handles.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/ChildProcess.h"

namespace vane {

class WinChildProcess final : public ChildProcess {
public:
    // Null when the process cannot be created. An empty working directory
    // keeps the caller's current one.
    static std::unique_ptr<WinChildProcess> start(const std::string& commandLine,
                                                  const std::string& workingDirectory);
    WinChildProcess(const WinChildProcess&) = delete;
    WinChildProcess& operator=(const WinChildProcess&) = delete;
    ~WinChildProcess() override;

    std::optional<int> poll() override;
    void kill() override;

private:
    WinChildProcess(HANDLE process, HANDLE thread) : process_(process), thread_(thread) {}
    HANDLE process_;
    HANDLE thread_;
    std::optional<int> exitCode_;
};

}  // namespace vane
