// The Windows environment: COM, named mutexes, CreateProcess, LoadLibrary.
#pragma once

#include "platform/Env.h"

namespace vane {

class WinEnv final : public Env {
public:
    int initializeAutomation() override;
    int initializeAutomationSecurity() override;
    LockResult acquireNamedLock(const std::string& name, std::unique_ptr<NamedLock>& lock) override;
    std::string currentDirectory() override;
    int processorArchitecture() override;
    int processId() override;
    void sleepMilliseconds(int ms) override;
    std::unique_ptr<ChildProcess> startProcess(const std::string& commandLine,
                                               const std::string& workingDirectory) override;
    bool makeExecutable(const std::string& path) override;
    std::unique_ptr<DynamicLibrary> loadLibrary(const std::string& path) override;
    std::string codeDirectory() override;
};

}  // namespace vane
