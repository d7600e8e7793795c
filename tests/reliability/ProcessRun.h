// Runs a program as a user would from a shell, with a private environment for
// the instance lock (XDG_RUNTIME_DIR) and for the office's profile and
// temporary files (TMPDIR), under a time limit; and finds what a run left
// behind: its processes and files.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace vane::test {

struct RunResult {
    bool finished = false;   // ended within the time limit (else killed)
    bool signalled = false;  // ended by a signal
    int status = -1;         // exit status, or the signal number
    double seconds = 0;
    std::string output;  // standard output and error
};

// A started program in a session of its own; killed with its process group
// when destroyed while still running.
class StartedProgram {
public:
    StartedProgram(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
                   const std::string& cwd, const std::string& outputFile);
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram();

    pid_t pid() const { return pid_; }
    // Waits at most `seconds`; on time-out kills the process group.
    RunResult wait(double seconds);
    // Output written so far.
    std::string outputSoFar() const;
    void kill(int signal);

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
    std::string outputFile_;
    double startedAt_ = 0;
};

RunResult run_program(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
                      const std::string& cwd, double timeLimitSeconds);

// Live processes (zombies excluded) whose command line or TMPDIR names `dir`.
std::vector<std::string> processes_naming(const std::string& dir);
// Waits up to `seconds` for processes_naming(dir) to become empty; returns what is left.
std::vector<std::string> processes_left(const std::string& dir, double seconds);
// Kills every process processes_naming(dir) finds.
void kill_processes_naming(const std::string& dir);
// Every file and directory below `dir`, relative, sorted; empty when `dir` does not exist.
std::vector<std::string> tree(const std::string& dir);

}  // namespace vane::test
