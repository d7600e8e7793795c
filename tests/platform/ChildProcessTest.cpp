#include <gtest/gtest.h>

#include <chrono>

#include "TempDir.h"
#include "platform/Env.h"
#include "platform/WaitForExit.h"

namespace vane {
namespace {

TEST(ChildProcess, ReportsExitCodesAndRunsInTheWorkingDirectory) {
    test::TempDir dir;
    auto child = env().startProcess(R"(sh -c "pwd > where.txt; exit 7")", dir.path());
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(wait_for_exit(*child, {10, 1, 1000}), 7);
    EXPECT_EQ(test::read_file(dir.file("where.txt")), dir.path() + "\n");
}

TEST(ChildProcess, AMissingProgramDoesNotStart) {
    EXPECT_EQ(env().startProcess("/nonexistent/program -x", ""), nullptr);
    EXPECT_EQ(env().startProcess("true", "/nonexistent/dir"), nullptr);
    EXPECT_EQ(env().startProcess("", ""), nullptr);
}

TEST(ChildProcess, DestroyingARunningChildKillsIt) {
    const auto start = std::chrono::steady_clock::now();
    {
        auto child = env().startProcess("sleep 30", "");
        ASSERT_NE(child, nullptr);
        EXPECT_FALSE(child->poll().has_value());
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(ChildProcess, MakeExecutable) {
    test::TempDir dir;
    test::write_text(dir.file("tool"), "#!/bin/sh\nexit 3\n");
    EXPECT_EQ(env().startProcess(dir.file("tool"), ""), nullptr);
    ASSERT_TRUE(env().makeExecutable(dir.file("tool")));
    auto child = env().startProcess(dir.file("tool"), "");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(wait_for_exit(*child, {10, 0, 0}), 3);
}

}  // namespace
}  // namespace vane
