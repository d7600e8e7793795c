// run_child and run_html_filter against a recording environment: the command
// line, the working directory, the polling schedule and the program file's
// life, without depending on real timing.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "frame/FileUtil.h"
#include "html/HtmlFilterRunner.h"
#include "html/StoredBlock.h"
#include "platform/Env.h"

namespace vane {
namespace {

using test::TempDir;

// A child that reports "running" for a set number of polls, then `code`.
class CountdownChild final : public ChildProcess {
public:
    CountdownChild(int runningPolls, int code) : left_(runningPolls), code_(code) {}
    std::optional<int> poll() override {
        if (left_-- > 0) return std::nullopt;
        return code_;
    }
    void kill() override {}

private:
    int left_;
    int code_;
};

// Forwards to the platform, but records sleeps and started command lines and
// hands out countdown children instead of real processes.
class RecordingEnv final : public Env {
public:
    int initializeAutomation() override { return real().initializeAutomation(); }
    int initializeAutomationSecurity() override { return real().initializeAutomationSecurity(); }
    LockResult acquireNamedLock(const std::string& name, std::unique_ptr<NamedLock>& lock) override {
        return real().acquireNamedLock(name, lock);
    }
    std::string currentDirectory() override { return "/current"; }
    int processorArchitecture() override { return real().processorArchitecture(); }
    int processId() override { return 4321; }
    void sleepMilliseconds(int ms) override { sleeps.push_back(ms); }
    std::unique_ptr<ChildProcess> startProcess(const std::string& commandLine,
                                               const std::string& workingDirectory) override {
        commandLines.push_back(commandLine);
        directories.push_back(workingDirectory);
        if (!onStart.empty()) programSeen = file_exists(onStart.c_str());
        if (!startable) return nullptr;
        return std::make_unique<CountdownChild>(runningPolls, exitCode);
    }
    bool makeExecutable(const std::string& path) override { return real().makeExecutable(path); }

    std::vector<int> sleeps;
    std::vector<std::string> commandLines;
    std::vector<std::string> directories;
    bool startable = true;
    int runningPolls = 0;
    int exitCode = 0;
    std::string onStart;  // a file whose presence is recorded when the child starts
    bool programSeen = false;

private:
    static Env& real() { return Env::platform(); }
};

class HtmlFilterScheduleTest : public ::testing::Test {
protected:
    void SetUp() override { set_env(&fake); }
    void TearDown() override { set_env(nullptr); }
    RecordingEnv fake;
};

TEST_F(HtmlFilterScheduleTest, PollsWithTenMillisecondsAndAGrowingDelay) {
    fake.runningPolls = 14;
    fake.exitCode = 3;
    int code = 0;
    ASSERT_EQ(run_child("\"/opt/tools/filter\"  -b", code), 0);
    EXPECT_EQ(code, 3);
    // Each look that finds the child running: 10 ms, then the delay, which
    // starts at 1 and grows by a tenth of itself plus 1.
    const int delays[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18};
    std::vector<int> expected;
    for (int d : delays) {
        expected.push_back(10);
        expected.push_back(d);
    }
    EXPECT_EQ(fake.sleeps, expected);
}

TEST_F(HtmlFilterScheduleTest, DelayStopsGrowingAtTenSeconds) {
    fake.runningPolls = 120;
    int code = 0;
    ASSERT_EQ(run_child("prog", code), 0);
    ASSERT_GE(fake.sleeps.size(), 2u);
    EXPECT_EQ(fake.sleeps.back(), 10000);
    for (int ms : fake.sleeps) EXPECT_LE(ms, 10000);
}

struct DirectoryCase {
    const char* commandLine;
    const char* normalised;
    const char* directory;
};

constexpr DirectoryCase kDirectories[] = {
    {"\"/opt/my tools/filter\" -b -f -a \"in\" \"out\"", "\"/opt/my tools/filter\" -b -f -a \"in\" \"out\"",
     "/opt/my tools"},
    {"'/srv/bin/tool' x", "'/srv/bin/tool' x", "/srv/bin"},
    {"/usr/bin/tool  a\tb", "/usr/bin/tool a b", "/usr/bin"},
    {"tool a", "tool a", "/current"},
    {"\"tool\" a", "\"tool\" a", "/current"},
};

TEST_F(HtmlFilterScheduleTest, StartsInTheProgramFolderWithTheNormalisedLine) {
    for (const DirectoryCase& c : kDirectories) {
        SCOPED_TRACE(c.commandLine);
        fake.commandLines.clear();
        fake.directories.clear();
        int code = 0;
        ASSERT_EQ(run_child(c.commandLine, code), 0);
        ASSERT_EQ(fake.commandLines.size(), 1u);
        EXPECT_EQ(fake.commandLines[0], c.normalised);
        EXPECT_EQ(fake.directories[0], c.directory);
    }
}

TEST_F(HtmlFilterScheduleTest, AProgramThatDoesNotStartGivesMinusOne) {
    fake.startable = false;
    int code = 5;
    EXPECT_EQ(run_child("prog", code), -1);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(fake.sleeps.empty());
}

TEST_F(HtmlFilterScheduleTest, FilterProgramIsWrittenRunAndRemoved) {
    if (stored_filter_program().size == 0) GTEST_SKIP() << "this build stores no filter program";
    TempDir dir;
    const std::string input = dir.file("manual.html");
    const std::string program = dir.file("4321_manual");
    fake.onStart = program;
    // The fake child writes nothing: the run counts as failed, but it ran.
    EXPECT_FALSE(run_html_filter(input, input + ".filtered"));
    ASSERT_EQ(fake.commandLines.size(), 1u);
    EXPECT_EQ(fake.commandLines[0],
              "\"" + program + "\" -b -f -a \"" + input + "\" \"" + input + ".filtered\"");
    EXPECT_EQ(fake.directories[0], dir.path());
    EXPECT_TRUE(fake.programSeen);
    EXPECT_FALSE(std::filesystem::exists(program));
}

TEST_F(HtmlFilterScheduleTest, FilterThatCannotStartLeavesNoProgram) {
    if (stored_filter_program().size == 0) GTEST_SKIP() << "this build stores no filter program";
    TempDir dir;
    fake.startable = false;
    EXPECT_FALSE(run_html_filter(dir.file("a.b.html"), dir.file("out.html")));
    ASSERT_EQ(fake.commandLines.size(), 1u);
    EXPECT_EQ(fake.commandLines[0].rfind("\"" + dir.file("4321_a.b") + "\"", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace vane
