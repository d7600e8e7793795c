#include "ProcessRun.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "TempDir.h"

extern char** environ;

namespace vane::test {

namespace fs = std::filesystem;

namespace {

double now_seconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::string read_proc(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

StartedProgram::StartedProgram(const std::vector<std::string>& argv,
                               const std::map<std::string, std::string>& env, const std::string& cwd,
                               const std::string& outputFile)
    : outputFile_(outputFile) {
    std::map<std::string, std::string> merged;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const auto eq = entry.find('=');
        if (eq != std::string::npos) merged[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto& [key, value] : env) {
        if (value.empty())
            merged.erase(key);
        else
            merged[key] = value;
    }
    std::vector<std::string> envStrings;
    for (const auto& [key, value] : merged) envStrings.push_back(key + "=" + value);
    std::vector<char*> envp;
    for (auto& s : envStrings) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::vector<std::string> args = argv;
    std::vector<char*> argp;
    for (auto& s : args) argp.push_back(s.data());
    argp.push_back(nullptr);

    startedAt_ = now_seconds();
    pid_ = ::fork();
    if (pid_ == 0) {
        ::setsid();
        const int fd = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            ::dup2(fd, 1);
            ::dup2(fd, 2);
            ::close(fd);
        }
        const int null = ::open("/dev/null", O_RDONLY);
        if (null >= 0) ::dup2(null, 0);
        if (!cwd.empty() && ::chdir(cwd.c_str()) != 0) ::_exit(126);
        ::execve(argp[0], argp.data(), envp.data());
        ::_exit(127);
    }
}

StartedProgram::~StartedProgram() {
    if (pid_ > 0 && !reaped_) {
        ::kill(-pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

std::string StartedProgram::outputSoFar() const {
    return read_file(outputFile_);
}

void StartedProgram::kill(int signal) {
    if (pid_ > 0 && !reaped_) ::kill(pid_, signal);
}

RunResult StartedProgram::wait(double seconds) {
    RunResult r;
    if (pid_ <= 0) return r;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            reaped_ = true;
            r.finished = true;
            break;
        }
        if (now_seconds() - startedAt_ > seconds) {
            ::kill(-pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            reaped_ = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    r.seconds = now_seconds() - startedAt_;
    r.signalled = WIFSIGNALED(status);
    r.status = r.signalled ? WTERMSIG(status) : WEXITSTATUS(status);
    r.output = read_file(outputFile_);
    return r;
}

RunResult run_program(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
                      const std::string& cwd, double timeLimitSeconds) {
    char name[] = "/tmp/vane-run-output-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd >= 0) ::close(fd);
    RunResult r;
    {
        StartedProgram program(argv, env, cwd, name);
        r = program.wait(timeLimitSeconds);
    }
    ::unlink(name);
    return r;
}

std::vector<std::string> processes_naming(const std::string& dir) {
    std::vector<std::string> found;
    const std::string envNeedle = "TMPDIR=" + dir;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string pid = entry.path().filename().string();
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), ::isdigit)) continue;
        if (std::stoi(pid) == ::getpid()) continue;
        const std::string stat = read_proc("/proc/" + pid + "/stat");
        const auto close = stat.rfind(')');
        if (stat.empty() || close == std::string::npos || close + 2 >= stat.size() || stat[close + 2] == 'Z')
            continue;
        std::string cmd = read_proc("/proc/" + pid + "/cmdline");
        std::string envs = read_proc("/proc/" + pid + "/environ");
        bool named = cmd.find(dir) != std::string::npos;
        std::size_t at = 0;
        while (!named && at < envs.size()) {
            const std::size_t end = envs.find('\0', at);
            const std::string one = envs.substr(at, end == std::string::npos ? std::string::npos : end - at);
            named = one == envNeedle;
            if (end == std::string::npos) break;
            at = end + 1;
        }
        if (!named) continue;
        std::replace(cmd.begin(), cmd.end(), '\0', ' ');
        found.push_back(pid + " " + cmd.substr(0, 200));
    }
    return found;
}

std::vector<std::string> processes_left(const std::string& dir, double seconds) {
    const double until = now_seconds() + seconds;
    std::vector<std::string> left = processes_naming(dir);
    while (!left.empty() && now_seconds() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        left = processes_naming(dir);
    }
    return left;
}

void kill_processes_naming(const std::string& dir) {
    for (const std::string& p : processes_naming(dir)) ::kill(std::stoi(p), SIGKILL);
}

std::vector<std::string> tree(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code error;
    if (!fs::is_directory(dir, error)) return names;
    for (auto it = fs::recursive_directory_iterator(dir, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
        names.push_back(fs::relative(it->path(), dir, error).string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace vane::test
