// Shared set-up of the reliability tests: the vane programs, a CUPS queue for
// d2p, and one isolated run of d2h or d2p (its own runtime directory for the
// instance lock, its own TMPDIR for the office) with the checks every run must
// pass: no hang, the document unchanged, nothing of the run left behind.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProcessRun.h"
#include "TempDir.h"

namespace vane::test {

inline constexpr const char* kSuccessLine = "Process terminated successfully";
inline constexpr const char* kErrorLine = "*** Process terminated with error ***";

std::string source_dir();
std::string shared_dir();
std::string fixture(const std::string& name);  // tests/data/reliability/<name>

// One isolated place for runs: docs/ (documents), xdg/ (runtime directory,
// mode 0700), tmp/ (TMPDIR of the run), work/ (output of the programs).
class RunPlace {
public:
    RunPlace();
    std::string docs() const { return dir_.file("docs"); }
    std::string xdg() const { return dir_.file("xdg"); }
    std::string tmp() const { return dir_.file("tmp"); }
    std::string outputFile(const std::string& name) const { return dir_.file("work/" + name); }
    std::map<std::string, std::string> environment() const;

private:
    TempDir dir_;
};

class ReliabilityTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // Runs `vane_result <command> ...` (the exit status is the negated result).
    RunResult runCommand(const RunPlace& place, const std::string& command,
                         const std::vector<std::string>& arguments, const std::string& cwd, double limit);
    // The d2p options for this suite's printer.
    static std::vector<std::string> printerOptions() { return {"-p", queue_}; }
    static const std::string& queue() { return queue_; }

    // Checks the office and its helpers are gone and left no profile.
    void expectNoOfficeLeft(const RunPlace& place);

    static inline int officeVersion_ = 0;
    static inline bool cupsRunning_ = false;
    static inline bool installed_ = false;
    static inline std::string queue_;
    static inline std::string installOutput_;
};

}  // namespace vane::test
