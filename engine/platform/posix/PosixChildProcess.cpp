#include "platform/posix/PosixChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace vane {

std::unique_ptr<PosixChildProcess> PosixChildProcess::start(const std::vector<std::string>& argv,
                                                            const std::string& workingDirectory,
                                                            const std::vector<std::string>& environment) {
    if (argv.empty()) return nullptr;
    // Both arrays are made before the fork: the child only calls what is safe
    // between fork and exec.
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> envp;
    envp.reserve(environment.size() + 1);
    for (const std::string& e : environment) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    // The child reports a failed chdir or exec through this pipe before exiting.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return nullptr;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return nullptr;
    }
    if (pid == 0) {
        ::setpgid(0, 0);
        const int devnull = ::open("/dev/null", O_RDONLY);
        if (devnull >= 0) ::dup2(devnull, STDIN_FILENO);
        int error = 0;
        if (!workingDirectory.empty() && ::chdir(workingDirectory.c_str()) != 0) error = errno;
        if (error == 0) {
            ::execvpe(args[0], args.data(), envp.data());
            error = errno;
        }
        (void)!::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    int error = 0;
    ssize_t got;
    do {
        got = ::read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error)) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return nullptr;
    }
    return std::unique_ptr<PosixChildProcess>(new PosixChildProcess(pid));
}

PosixChildProcess::~PosixChildProcess() {
    if (!exitCode_) kill();
}

std::optional<int> PosixChildProcess::poll() {
    if (exitCode_) return exitCode_;
    int status = 0;
    const pid_t r = ::waitpid(pid_, &status, WNOHANG);
    if (r == pid_) {
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    } else if (r < 0 && errno != EINTR) {
        exitCode_ = -1;  // cannot be read any more: treat as ended
    }
    return exitCode_;
}

void PosixChildProcess::kill() {
    if (exitCode_) return;
    ::kill(-pid_, SIGKILL);
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    exitCode_ = 128 + SIGKILL;
}

}  // namespace vane
