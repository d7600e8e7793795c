#include "platform/posix/PosixEnv.h"

#include <signal.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/CommandLine.h"
#include "platform/posix/ChildEnvironment.h"
#include "platform/posix/PosixChildProcess.h"
#include "platform/posix/PosixDynamicLibrary.h"

namespace vane {

namespace {

// Holds an open descriptor with an exclusive flock; closing it releases the lock.
class FlockLock final : public NamedLock {
public:
    explicit FlockLock(int fd) : fd_(fd) {}
    FlockLock(const FlockLock&) = delete;
    FlockLock& operator=(const FlockLock&) = delete;
    ~FlockLock() override { ::close(fd_); }

private:
    int fd_;
};

}  // namespace

Env& Env::platform() {
    static PosixEnv instance;
    return instance;
}

std::string runtime_directory() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    // The private directory stands in for a missing one: locks stay in /tmp,
    // shared with the processes that run without it.
    if (is_usable_runtime_directory(xdg) && xdg != private_runtime_path()) return xdg;
    return "/tmp";
}

// Nothing to initialise here: the office backend starts its runtime itself.
int PosixEnv::initializeAutomation() { return 0; }
int PosixEnv::initializeAutomationSecurity() { return 0; }

LockResult PosixEnv::acquireNamedLock(const std::string& name, std::unique_ptr<NamedLock>& lock) {
    const std::string path = runtime_directory() + "/" + name;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return LockResult::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? LockResult::HeldElsewhere : LockResult::Failed;
    }
    lock = std::make_unique<FlockLock>(fd);
    return LockResult::Acquired;
}

std::string PosixEnv::currentDirectory() {
    std::string buffer(4096, '\0');
    if (::getcwd(buffer.data(), buffer.size()) == nullptr) return {};
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

int PosixEnv::processorArchitecture() {
    struct utsname name {};
    if (::uname(&name) != 0) return kArchUnknown;
    const std::string machine = name.machine;
    if (machine == "x86_64" || machine == "amd64") return kArchAMD64;
    if (machine == "ia64") return kArchIA64;
    if (machine.size() == 4 && machine[0] == 'i' && machine.substr(2) == "86") return kArchIntel;
    return kArchUnknown;
}

int PosixEnv::processId() { return static_cast<int>(::getpid()); }

void PosixEnv::ignoreBrokenPipes() {
    struct sigaction current {};
    if (::sigaction(SIGPIPE, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) return;
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, nullptr);
}

void PosixEnv::sleepMilliseconds(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::unique_ptr<ChildProcess> PosixEnv::startProcess(const std::string& commandLine,
                                                     const std::string& workingDirectory) {
    return PosixChildProcess::start(split_command_line(commandLine), workingDirectory, child_environment());
}

bool PosixEnv::makeExecutable(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return ::chmod(path.c_str(), st.st_mode | S_IXUSR) == 0;
}

std::unique_ptr<DynamicLibrary> PosixEnv::loadLibrary(const std::string& path) {
    return PosixDynamicLibrary::open(path);
}

std::string PosixEnv::codeDirectory() { return code_directory(); }

std::string PosixEnv::temporaryDirectory() {
    const char* variable = std::getenv("TMPDIR");
    struct stat st {};
    if (variable != nullptr && *variable == '/' && ::stat(variable, &st) == 0 && S_ISDIR(st.st_mode))
        return variable;
    return "/tmp";
}

}  // namespace vane
