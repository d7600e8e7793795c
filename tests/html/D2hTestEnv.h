// The platform environment for d2h tests: everything goes to the real
// platform except the waits (recorded, not slept), the instance lock (left
// alone, so parallel test processes do not refuse each other), the current
// directory and the process id (both set by the test).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Env.h"

namespace vane::test {

class D2hTestEnv final : public Env {
public:
    D2hTestEnv() : real_(Env::platform()) { set_env(this); }
    D2hTestEnv(const D2hTestEnv&) = delete;
    D2hTestEnv& operator=(const D2hTestEnv&) = delete;
    ~D2hTestEnv() override { set_env(nullptr); }

    std::string cwd = "/";
    int pid = 4242;
    std::vector<int> sleeps;

    int initializeAutomation() override { return 0; }
    int initializeAutomationSecurity() override { return 0; }
    LockResult acquireNamedLock(const std::string&, std::unique_ptr<NamedLock>&) override {
        return LockResult::Failed;
    }
    std::string currentDirectory() override { return cwd; }
    int processorArchitecture() override { return real_.processorArchitecture(); }
    int processId() override { return pid; }
    void sleepMilliseconds(int ms) override { sleeps.push_back(ms); }
    std::unique_ptr<ChildProcess> startProcess(const std::string& commandLine,
                                               const std::string& workingDirectory) override {
        return real_.startProcess(commandLine, workingDirectory);
    }
    bool makeExecutable(const std::string& path) override { return real_.makeExecutable(path); }

private:
    Env& real_;
};

}  // namespace vane::test
