// A child process started with fork/exec, standard input from /dev/null, with
// the given environment ("NAME=value" entries).
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ChildProcess.h"

namespace vane {

class PosixChildProcess final : public ChildProcess {
public:
    // Null when the program cannot be started (not found, not executable,
    // missing working directory).
    static std::unique_ptr<PosixChildProcess> start(const std::vector<std::string>& argv,
                                                    const std::string& workingDirectory,
                                                    const std::vector<std::string>& environment);
    PosixChildProcess(const PosixChildProcess&) = delete;
    PosixChildProcess& operator=(const PosixChildProcess&) = delete;
    ~PosixChildProcess() override;

    std::optional<int> poll() override;
    void kill() override;

private:
    explicit PosixChildProcess(pid_t pid) : pid_(pid) {}
    pid_t pid_;
    std::optional<int> exitCode_;
};

}  // namespace vane
