#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

#include "TempDir.h"
#include "platform/CommandLine.h"
#include "platform/Env.h"
#include "word/office/FileUrl.h"
#include "word/office/OfficeProcess.h"

namespace vane {
namespace {

TEST(OfficeProcess, StartsConnectsAndQuitsWithoutLeavingAnything) {
    std::string profile;
    {
        OfficeProcess office(env(), {});
        profile = office.profile().path();
        ASSERT_TRUE(office.desktop().is());
        EXPECT_TRUE(std::filesystem::exists(profile + "/user/psprint/psprint.conf"));
        EXPECT_TRUE(office.quit());
        EXPECT_FALSE(office.running());
    }
    EXPECT_FALSE(std::filesystem::exists(profile));
}

// Asked to end, the office goes on ending by itself while its owner works;
// quitting then only waits for it.
TEST(OfficeProcess, AskedToQuitItEndsWhileItsOwnerGoesOn) {
    std::string profile;
    {
        OfficeProcess office(env(), {});
        profile = office.profile().path();
        office.askToQuit();
        EXPECT_FALSE(office.desktop().is());
        office.askToQuit();  // a second request changes nothing
        EXPECT_TRUE(office.quit());
        EXPECT_TRUE(office.ended());
    }
    EXPECT_FALSE(std::filesystem::exists(profile));
    // Destroyed without quit(): the destructor waits for it the same way.
    {
        OfficeProcess office(env(), {});
        profile = office.profile().path();
        office.askToQuit();
    }
    EXPECT_FALSE(std::filesystem::exists(profile));
}

// The office's own temporary files lie inside the profile, so that they go
// with it even when the office is killed instead of quitting.
TEST(OfficeProcess, KeepsTheOfficeTemporariesInsideTheProfile) {
    test::TempDir tmp;
    const char* previous = std::getenv("TMPDIR");
    const std::string saved = previous == nullptr ? std::string() : previous;
    ::setenv("TMPDIR", tmp.path().c_str(), 1);
    std::string profile;
    std::vector<std::string> outside;
    bool insideFound = false;
    {
        OfficeProcess office(env(), {});
        profile = office.profile().path();
        for (const auto& entry : std::filesystem::directory_iterator(tmp.path()))
            if (entry.path().string() != profile) outside.push_back(entry.path().filename().string());
        insideFound = !std::filesystem::is_empty(profile + "/tmp");
        EXPECT_TRUE(office.quit());
    }
    if (previous == nullptr)
        ::unsetenv("TMPDIR");
    else
        ::setenv("TMPDIR", saved.c_str(), 1);
    EXPECT_EQ(profile.rfind(tmp.path(), 0), 0u);
    EXPECT_EQ(outside, std::vector<std::string>{});
    EXPECT_TRUE(insideFound);
    EXPECT_FALSE(std::filesystem::exists(profile));
}

// Not a test on its own: started by DiesWithItsOwner, it starts an office,
// writes down its profile and ends without quitting it.
TEST(OfficeProcess, OwnerHelper) {
    const char* report = std::getenv("VANE_OFFICE_OWNER_REPORT");
    if (report == nullptr) GTEST_SKIP() << "helper of DiesWithItsOwner";
    auto* office = new OfficeProcess(env(), {});
    std::ofstream(report) << office->profile().path() << "\n" << office->profile().pipeName() << "\n";
    std::_Exit(0);
}

bool office_running(const std::string& pipeName) {
    for (const auto& item : std::filesystem::directory_iterator("/proc")) {
        std::ifstream cmdline(item.path() / "cmdline");
        std::string text((std::istreambuf_iterator<char>(cmdline)), std::istreambuf_iterator<char>());
        if (text.find("soffice") != std::string::npos && text.find(pipeName) != std::string::npos)
            return true;
    }
    return false;
}

// The office and its profile go when the process that started it dies
// without quitting it.
TEST(OfficeProcess, DiesWithItsOwner) {
    test::TempDir dir;
    const std::string report = dir.file("report");
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    ASSERT_EQ(std::system(("VANE_OFFICE_OWNER_REPORT='" + report + "' '" + self +
                           "' --gtest_filter=OfficeProcess.OwnerHelper >/dev/null 2>&1")
                              .c_str()),
              0);
    std::ifstream in(report);
    std::string profile, pipe;
    std::getline(in, profile);
    std::getline(in, pipe);
    ASSERT_FALSE(pipe.empty());
    bool gone = false;
    for (int i = 0; i < 100 && !gone; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        gone = !office_running(pipe) && !std::filesystem::exists(profile);
    }
    EXPECT_TRUE(gone) << profile;
}

TEST(OfficeProcess, AMissingProgramFailsCleanly) {
    OfficeProcessOptions options;
    options.program = "/nonexistent/soffice";
    EXPECT_THROW(OfficeProcess(env(), options), std::runtime_error);
}

TEST(FileUrl, EncodesEverythingButUnreservedCharacters) {
    EXPECT_EQ(file_url("/tmp/a b/c%d/é.docx"), "file:///tmp/a%20b/c%25d/%C3%A9.docx");
    EXPECT_EQ(file_url("/x-y_z.~1/"), "file:///x-y_z.~1/");
}

}  // namespace
}  // namespace vane
