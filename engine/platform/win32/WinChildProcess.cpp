#include "platform/win32/WinChildProcess.h"

#include <vector>

namespace vane {

namespace {
// The exit code given when it cannot be read: the caller stops waiting.
constexpr int kUnreadableExitCode = -1;
}  // namespace

std::unique_ptr<WinChildProcess> WinChildProcess::start(const std::string& commandLine,
                                                        const std::string& workingDirectory) {
    // CreateProcess may write into the command line, so it gets its own copy.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nullptr;
    startup.hStdOutput = nullptr;
    startup.hStdError = nullptr;

    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &info)) {
        return nullptr;
    }
    return std::unique_ptr<WinChildProcess>(new WinChildProcess(info.hProcess, info.hThread));
}

WinChildProcess::~WinChildProcess() {
    if (!exitCode_) kill();
    CloseHandle(thread_);
    CloseHandle(process_);
}

std::optional<int> WinChildProcess::poll() {
    if (exitCode_) return exitCode_;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_, &code)) {
        exitCode_ = kUnreadableExitCode;
        return exitCode_;
    }
    // A program may itself end with the still-active value; the process
    // object tells whether it really still runs. When it ended between the
    // two calls, its code is read again: the one read first is stale.
    if (code == STILL_ACTIVE) {
        if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) return std::nullopt;
        if (!GetExitCodeProcess(process_, &code)) code = static_cast<DWORD>(kUnreadableExitCode);
    }
    exitCode_ = static_cast<int>(code);
    return exitCode_;
}

void WinChildProcess::kill() {
    if (exitCode_) return;
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process_, &code);
    exitCode_ = static_cast<int>(code);
}

}  // namespace vane
