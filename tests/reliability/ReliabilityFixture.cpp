#include "ReliabilityFixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace vane::test {

namespace fs = std::filesystem;

std::string source_dir() {
    const char* dir = std::getenv("VANE_SOURCE_DIR");
    return dir == nullptr ? "." : dir;
}

std::string shared_dir() {
    const char* dir = std::getenv("VANE_SHARED_DIR");
    return dir == nullptr ? source_dir() + "/../shared" : dir;
}

std::string fixture(const std::string& name) {
    return source_dir() + "/tests/data/reliability/" + name;
}

RunPlace::RunPlace() {
    for (const char* sub : {"docs", "xdg", "tmp", "work"}) fs::create_directories(dir_.file(sub));
    ::chmod(xdg().c_str(), 0700);
}

std::map<std::string, std::string> RunPlace::environment() const {
    // An empty value removes the variable.
    return {{"XDG_RUNTIME_DIR", xdg()}, {"TMPDIR", tmp()}, {"LANG", "C.UTF-8"},
            {"LANGUAGE", ""},           {"LC_ALL", ""},    {"LC_MESSAGES", ""}};
}

void ReliabilityTest::SetUpTestSuite() {
    RunPlace place;
    const RunResult check = run_program({VANE_EXE, "check_winword"}, place.environment(), "", 120);
    officeVersion_ = check.finished && !check.signalled ? check.status : 0;
    cupsRunning_ =
        run_program({"/bin/sh", "-c", "lpstat -r"}, {}, "", 30).output.find("scheduler is running") !=
        std::string::npos;
    if (officeVersion_ == 0 || !cupsRunning_) return;
    queue_ = "FolivaneRel_" + std::to_string(::getpid());
    const RunResult install = run_program(
        {VANE_EXE, "install_printer", "-p", queue_, "-d", "Generic PostScript Printer"}, {}, "", 120);
    installed_ = install.finished && install.status == 0;
    installOutput_ = install.output;
}

void ReliabilityTest::TearDownTestSuite() {
    if (installed_) run_program({VANE_EXE, "uninstall_printer", "-p", queue_}, {}, "", 120);
    installed_ = false;
}

void ReliabilityTest::SetUp() {
    if (officeVersion_ == 0)
        GTEST_SKIP() << "no word processor: `vane check_winword` returned 0 (the office cannot start)";
    ASSERT_TRUE(cupsRunning_) << "cupsd is not running: run tests/printer/start-cupsd.sh as root";
    ASSERT_TRUE(installed_) << installOutput_;
}

RunResult ReliabilityTest::runCommand(const RunPlace& place, const std::string& command,
                                      const std::vector<std::string>& arguments, const std::string& cwd,
                                      double limit) {
    std::vector<std::string> argv{VANE_RESULT_EXE, command};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    RunResult r = run_program(argv, place.environment(), cwd, limit);
    if (!r.finished) kill_processes_naming(place.tmp());
    return r;
}

void ReliabilityTest::expectNoOfficeLeft(const RunPlace& place) {
    const std::vector<std::string> left = processes_left(place.tmp(), 6.0);
    for (const std::string& p : left) ADD_FAILURE() << "process left behind: " << p;
    kill_processes_naming(place.tmp());
    for (const std::string& name : tree(place.tmp())) ADD_FAILURE() << "left in TMPDIR: " << name;
}

}  // namespace vane::test
