// Every operating-system service vanecore uses, behind one interface so that
// tests can replace it (fault injection) and each platform brings its own.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/ChildProcess.h"
#include "platform/DynamicLibrary.h"
#include "platform/NamedLock.h"

namespace vane {

class Spooler;

// Processor architecture codes, as the system information reports them.
inline constexpr int kArchIntel = 0;
inline constexpr int kArchIA64 = 6;
inline constexpr int kArchAMD64 = 9;
inline constexpr int kArchUnknown = 0xFFFF;

enum class LockResult { Acquired, HeldElsewhere, Failed };

// One name in a directory listing; a symbolic link is neither file nor directory.
struct DirectoryEntry {
    enum class Kind { File, Directory, Other };
    std::string name;
    Kind kind = Kind::Other;
};

class Env {
public:
    virtual ~Env() = default;

    // Automation-runtime initialisation for the calling thread: 0 on success.
    virtual int initializeAutomation() = 0;
    virtual int initializeAutomationSecurity() = 0;

    // Takes the process-wide lock `name`; `lock` receives it on Acquired.
    virtual LockResult acquireNamedLock(const std::string& name, std::unique_ptr<NamedLock>& lock) = 0;

    virtual std::string currentDirectory() = 0;
    virtual int processorArchitecture() = 0;
    virtual int processId() = 0;
    virtual void sleepMilliseconds(int ms) = 0;

    // Starts `commandLine` hidden in `workingDirectory` (empty: the current one).
    // The command line is split into arguments as a Windows command line would
    // be. Null when the program cannot be started.
    virtual std::unique_ptr<ChildProcess> startProcess(const std::string& commandLine,
                                                       const std::string& workingDirectory) = 0;

    // Makes a file executable by its owner (no-op where that has no meaning).
    virtual bool makeExecutable(const std::string& path) = 0;

    // The print spooler; the platform's unless overridden.
    virtual Spooler& spooler();

    // Loads the shared library at `path`; null when it is missing or cannot be
    // loaded (an environment without run-time loading has none).
    virtual std::unique_ptr<DynamicLibrary> loadLibrary(const std::string& /*path*/) { return nullptr; }
    // The directory holding the binary that contains vanecore's code (the
    // shared library, or a program linking the engine statically); empty when
    // unknown. Run-time modules are looked for there.
    virtual std::string codeDirectory() { return {}; }
    // Makes a write to a pipe whose reader has gone fail with an error instead
    // of ending the process (where the system ends it by default). Called
    // before talking to another process over a pipe that it may close first;
    // a disposition the host has chosen is kept.
    virtual void ignoreBrokenPipes() {}
    // The folder for this process's temporary files, which the programs it
    // starts use too (they inherit its environment); empty when there is none.
    virtual std::string temporaryDirectory();

    // File services. Paths are native. The standard library's by default,
    // which serve both platforms; tests override them to make them fail.

    // Opens `path` with the fopen `mode`; null when it cannot be opened. The
    // caller closes the stream (fclose), whose result tells whether buffered
    // data reached the file.
    virtual std::FILE* openFile(const std::string& path, const char* mode);
    // Reads the whole file into `bytes` through openFile; false when it cannot
    // be opened or read.
    bool readFile(const std::string& path, std::string& bytes);
    // Writes `size` bytes through openFile as the whole file (created or
    // truncated); a short write or a failed close removes the file and gives false.
    bool writeFile(const std::string& path, const void* bytes, std::size_t size);
    // Gives `from` the name `to`; false when it cannot (on Windows also when
    // `to` exists).
    virtual bool renameFile(const std::string& from, const std::string& to);
    // Removes a file or a symbolic link; false when nothing was removed.
    virtual bool removeFile(const std::string& path);
    // Creates one directory level; false when it cannot (it exists, or has no parent).
    virtual bool createDirectory(const std::string& path);
    // Removes an empty directory.
    virtual bool removeDirectory(const std::string& path);
    // The names in `path` (without "." and ".."); false when it cannot be read.
    virtual bool listDirectory(const std::string& path, std::vector<DirectoryEntry>& entries);

    // The platform's default environment.
    static Env& platform();
};

// The environment vanecore uses; the platform's unless a test installed another.
Env& env();
// Installs `replacement` (not owned; null restores the platform's).
void set_env(Env* replacement);

}  // namespace vane
