// Child processes through CreateProcess: exit codes, working directory, a
// program that cannot start, a child killed with its owner, and the two users
// of child processes (the producer runner and run_child).
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>

#include "HelperProgram.h"
#include "TempDir.h"
#include "discovery/ProducerPaths.h"
#include "html/HtmlFilterRunner.h"
#include "pdf/ProducerRun.h"
#include "platform/Env.h"
#include "platform/WaitForExit.h"

namespace vane {
namespace {

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

std::string windows_path(const std::string& path) {
    std::string native = std::filesystem::path(path).make_preferred().string();
    return native;
}

TEST(WinProcess, ExitCodesComeBackThroughPolling) {
    const struct {
        const char* argument;
        int expected;
    } cases[] = {{"0", 0}, {"7", 7}, {"255", 255}, {"-2", -2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        auto child = env().startProcess(quoted(test::helper_program()) + " exit " + c.argument, "");
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(wait_for_exit(*child, PollSchedule{10, 1, 100}), c.expected);
    }
}

TEST(WinProcess, StartsInTheGivenWorkingDirectory) {
    test::TempDir dir;
    const std::string folder = windows_path(dir.path());
    const std::string out = folder + "\\cwd.txt";
    auto child = env().startProcess(quoted(test::helper_program()) + " cwd " + quoted(out), folder);
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(wait_for_exit(*child, PollSchedule{10, 0, 0}), 0);
    EXPECT_EQ(test::read_file(out), folder);
}

TEST(WinProcess, MissingProgramGivesNoChild) {
    EXPECT_EQ(env().startProcess("\"C:\\no\\such\\program.exe\" x", ""), nullptr);
    test::TempDir dir;
    EXPECT_EQ(env().startProcess(quoted(test::helper_program()) + " exit 0", dir.file("missing-folder")),
              nullptr);
}

TEST(WinProcess, ChildStillRunningIsKilledWithItsOwner) {
    const auto started = std::chrono::steady_clock::now();
    auto child = env().startProcess(quoted(test::helper_program()) + " sleep 60000", "");
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(child->poll().has_value());
    child.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
}

TEST(WinProcess, RunChildRunsInTheProgramFolderAndReportsTheExitCode) {
    // A folder with a blank in its name: the quoted program part decides the folder.
    test::TempDir dir;
    const std::string folder = windows_path(dir.path()) + "\\with blank";
    std::filesystem::create_directory(folder);
    const std::string program = folder + "\\helper.exe";
    ASSERT_TRUE(CopyFileA(test::helper_program().c_str(), program.c_str(), FALSE));

    int exitCode = -1;
    EXPECT_EQ(run_child((quoted(program) + " exit 9").c_str(), exitCode), 0);
    EXPECT_EQ(exitCode, 9);

    const std::string out = windows_path(dir.path()) + "\\where.txt";
    EXPECT_EQ(run_child((quoted(program) + "  cwd\t" + quoted(out)).c_str(), exitCode), 0);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(test::read_file(out), folder);

    EXPECT_EQ(run_child((quoted(folder + "\\absent.exe") + " exit 1").c_str(), exitCode), -1);
    EXPECT_EQ(run_child("   ", exitCode), -1);
    EXPECT_EQ(run_child(nullptr, exitCode), -1);
}

TEST(WinProcess, GhostscriptRunsInItsOwnFolderWithTheQuotedArguments) {
    test::TempDir dir;
    const std::string root = windows_path(dir.path());
    const std::string bin = root + "\\gs 9.10\\bin";
    std::filesystem::create_directories(bin);
    const std::string program = bin + "\\gswin64c.exe";
    ASSERT_TRUE(CopyFileA(test::helper_program().c_str(), program.c_str(), FALSE));
    producer_paths().ghostscript = program;

    const std::string ps = root + "\\marks file.ps";
    const std::string pdf = root + "\\out put.pdf";
    test::write_text(ps, "%!PS\nshowpage\n");
    EXPECT_TRUE(runGhostscript(ps, pdf, "", true));
    EXPECT_EQ(test::read_file(pdf), "%!PS\nshowpage\n");
    EXPECT_EQ(test::read_file(pdf + ".args"),
              "-dBATCH\n-dSAFER\n-DNOPAUSE\n-q\n-sDEVICE=pdfwrite\n-dPDFSETTINGS=/printer\n-sOutputFile=" +
                  pdf + "\n-c\n[ /PageMode /UseOutlines /DOCVIEW pdfmark\n-f\n" + ps + "\ncwd=" + bin + "\n");

    // A non-zero exit code is a failed run.
    test::write_text(ps, "FAIL");
    EXPECT_FALSE(runGhostscript(ps, pdf, "", false));
    // A program that is not there cannot run.
    producer_paths().ghostscript = bin + "\\gswin32c.exe";
    EXPECT_FALSE(runGhostscript(ps, pdf, "", false));
}

}  // namespace
}  // namespace vane
