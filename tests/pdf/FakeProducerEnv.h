// An environment that records the processes it is asked to start and plays
// them back: each child reports "running" a scripted number of times, then
// its scripted exit code. Sleeps are recorded, not slept.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Env.h"

namespace vane::test {

class FakeProducerEnv final : public Env {
public:
    struct Start {
        std::string commandLine;
        std::string workingDirectory;
    };

    // Script for the next children: startable, polls answering "running", exit code.
    bool startable = true;
    int runningPolls = 0;
    int exitCode = 0;
    std::string cwd = "/work/dir";
    // What each child leaves as its output when outputFile is set.
    std::string outputFile;
    std::string outputBytes;

    std::vector<Start> starts;
    std::vector<int> sleeps;
    int polls = 0;

    int initializeAutomation() override { return 0; }
    int initializeAutomationSecurity() override { return 0; }
    LockResult acquireNamedLock(const std::string&, std::unique_ptr<NamedLock>&) override {
        return LockResult::Failed;
    }
    std::string currentDirectory() override { return cwd; }
    int processorArchitecture() override { return kArchAMD64; }
    int processId() override { return 1; }
    void sleepMilliseconds(int ms) override { sleeps.push_back(ms); }
    std::unique_ptr<ChildProcess> startProcess(const std::string& commandLine,
                                               const std::string& workingDirectory) override;
    bool makeExecutable(const std::string&) override { return true; }
};

}  // namespace vane::test
