// Running the vane host and other programs from the end-to-end tests.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace vane::test {

struct ShellRun {
    int status;
    std::string out;
};

// Runs `command` through the shell; stdout and stderr together.
inline ShellRun shell(const std::string& command) {
    ShellRun r{-1, {}};
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return r;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

inline std::string quoted(const std::string& s) {
    return "'" + s + "'";
}

#ifdef VANE_EXE
inline ShellRun vane(const std::string& args) {
    return shell(std::string("LANGUAGE= LC_ALL= LANG=C ") + VANE_EXE + " " + args);
}
#endif

inline std::string shared_dir() {
    const char* shared = std::getenv("VANE_SHARED_DIR");
    return shared == nullptr ? "../shared" : shared;
}

inline std::string source_dir() {
    const char* source = std::getenv("VANE_SOURCE_DIR");
    return source == nullptr ? "." : source;
}

}  // namespace vane::test
