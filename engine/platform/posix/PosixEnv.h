// The POSIX environment: flock for named locks, posix_spawn for children.
#pragma once

#include "platform/Env.h"

namespace vane {

class PosixEnv final : public Env {
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
    void ignoreBrokenPipes() override;
    std::string codeDirectory() override;
    // TMPDIR when it names a directory, else /tmp: the folder Ghostscript
    // takes for its own and lets read under -dSAFER.
    std::string temporaryDirectory() override;
};

// Directory for lock files: $XDG_RUNTIME_DIR, else (or when it is the private
// directory of ChildEnvironment.h) /tmp.
std::string runtime_directory();

}  // namespace vane
