// An environment for fault tests: it passes every service to the environment
// installed before it and makes chosen file services fail, as a full disk or
// a refused rename would, without root, a small file system or /dev/full.
// Counts start at 1 from installation; 0 injects nothing. Streams opened for
// writing go through the byte budget, so a failure can fall in the middle of
// a file. Linux only (the streams are glibc cookies).
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/Env.h"

namespace vane::test {

class FaultEnv final : public Env {
public:
    // Installs itself in front of the current environment until destroyed.
    FaultEnv();
    FaultEnv(const FaultEnv&) = delete;
    FaultEnv& operator=(const FaultEnv&) = delete;
    ~FaultEnv() override;

    // The Nth opening for writing (any mode but "r"/"rb") gives null.
    int failOpenForWrite = 0;
    int failRename = 0;
    int failRemove = 0;
    int failCreateDirectory = 0;
    // Bytes every stream opened for writing may still take together; past
    // them a write is short (ENOSPC). Negative: no limit.
    long long writeBudget = -1;

    // What happened so far.
    int opensForWrite = 0;
    int renames = 0;
    int removes = 0;
    int createdDirectories = 0;
    int refusedWrites = 0;
    long long bytesWritten = 0;

    int initializeAutomation() override { return inner_.initializeAutomation(); }
    int initializeAutomationSecurity() override { return inner_.initializeAutomationSecurity(); }
    LockResult acquireNamedLock(const std::string& name, std::unique_ptr<NamedLock>& lock) override {
        return inner_.acquireNamedLock(name, lock);
    }
    std::string currentDirectory() override { return inner_.currentDirectory(); }
    int processorArchitecture() override { return inner_.processorArchitecture(); }
    int processId() override { return inner_.processId(); }
    void sleepMilliseconds(int ms) override { inner_.sleepMilliseconds(ms); }
    std::unique_ptr<ChildProcess> startProcess(const std::string& commandLine,
                                               const std::string& workingDirectory) override {
        return inner_.startProcess(commandLine, workingDirectory);
    }
    bool makeExecutable(const std::string& path) override { return inner_.makeExecutable(path); }
    Spooler& spooler() override { return inner_.spooler(); }
    std::unique_ptr<DynamicLibrary> loadLibrary(const std::string& path) override {
        return inner_.loadLibrary(path);
    }
    std::string codeDirectory() override { return inner_.codeDirectory(); }
    std::string temporaryDirectory() override { return inner_.temporaryDirectory(); }

    std::FILE* openFile(const std::string& path, const char* mode) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    bool removeFile(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool removeDirectory(const std::string& path) override { return inner_.removeDirectory(path); }
    bool listDirectory(const std::string& path, std::vector<DirectoryEntry>& entries) override {
        return inner_.listDirectory(path, entries);
    }

    // How many of `size` bytes a stream may write now; counts a refusal.
    std::size_t allowWrite(std::size_t size);

private:
    Env& inner_;
};

}  // namespace vane::test
