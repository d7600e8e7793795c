#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "FakeRegistry.h"
#include "TempDir.h"
#include "discovery/ExecutableSearch.h"
#include "discovery/ProducerPaths.h"
#include "discovery/Registry.h"
#include "discovery/ToolDiscovery.h"
#include "platform/Env.h"
#include "vanecore/vanecore.h"

namespace vane {
namespace {

// Delegates to the platform but reports a chosen current directory.
class CwdEnv : public Env {
public:
    explicit CwdEnv(std::string cwd) : cwd_(std::move(cwd)) {}
    int initializeAutomation() override { return 0; }
    int initializeAutomationSecurity() override { return 0; }
    LockResult acquireNamedLock(const std::string& n, std::unique_ptr<NamedLock>& l) override {
        return Env::platform().acquireNamedLock(n, l);
    }
    std::string currentDirectory() override { return cwd_; }
    int processorArchitecture() override { return Env::platform().processorArchitecture(); }
    int processId() override { return Env::platform().processId(); }
    void sleepMilliseconds(int) override {}
    std::unique_ptr<ChildProcess> startProcess(const std::string&, const std::string&) override {
        return nullptr;
    }
    bool makeExecutable(const std::string& path) override { return Env::platform().makeExecutable(path); }

private:
    std::string cwd_;
};

void make_program(const std::string& path, bool executable) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    test::write_text(path, "#!/bin/sh\nexit 0\n");
    ::chmod(path.c_str(), executable ? 0755 : 0644);
}

class ToolDiscoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        producer_paths() = {"untouched", "untouched"};
        const char* path = std::getenv("PATH");
        savedPath_ = path != nullptr ? path : "";
    }
    void TearDown() override {
        ::setenv("PATH", savedPath_.c_str(), 1);
        set_registry(nullptr);
        set_env(nullptr);
    }
    test::TempDir dir_;
    std::string savedPath_;
};

TEST_F(ToolDiscoveryTest, DistillerIsNeverFoundAndNoRegistryIsRead) {
    test::FakeRegistry registry;
    registry.setString(RegistryView::Bits64, "SOFTWARE\\Adobe\\Acrobat Distiller\\9.0", "InstallPath",
                       "C:\\A");
    set_registry(&registry);
    EXPECT_FALSE(check_distiller());
    EXPECT_FALSE(find_distiller());
    EXPECT_EQ(registry.opens(), 0);
    EXPECT_EQ(producer_paths().distiller, "untouched");
}

TEST_F(ToolDiscoveryTest, CheckGhostscriptTakesGsFromTheSearchPath) {
    make_program(dir_.file("empty/.keep"), false);
    make_program(dir_.file("tools/gs"), true);
    ::setenv("PATH", (dir_.file("empty") + ":" + dir_.file("tools")).c_str(), 1);
    test::FakeRegistry registry;
    set_registry(&registry);
    EXPECT_TRUE(check_ghostscript());
    EXPECT_EQ(producer_paths().ghostscript, dir_.file("tools/gs"));
    EXPECT_EQ(registry.opens(), 0);
}

TEST_F(ToolDiscoveryTest, SearchPathEntriesThatCannotServeAreSkipped) {
    make_program(dir_.file("plain/gs"), false);                   // not executable
    std::filesystem::create_directories(dir_.file("folder/gs"));  // a directory
    make_program(dir_.file("good/gs"), true);
    make_program(dir_.file("second/gs"), true);
    const std::string path = "relative/dir::" + dir_.file("plain") + ":" + dir_.file("folder") + ":" +
                             dir_.file("good") + "/:" + dir_.file("second");
    EXPECT_TRUE(search_ghostscript_on_path(path.c_str()));
    EXPECT_EQ(producer_paths().ghostscript, dir_.file("good") + "/gs");
}

TEST_F(ToolDiscoveryTest, WithoutAnyGsOnTheSearchPathTheUsualPlacesAreTried) {
    const std::string path = dir_.path();
    const bool found = search_ghostscript_on_path(path.c_str());
    const bool expected = is_executable_file("/usr/bin/gs") || is_executable_file("/usr/local/bin/gs");
    EXPECT_EQ(found, expected);
    if (is_executable_file("/usr/bin/gs")) {
        EXPECT_EQ(producer_paths().ghostscript, "/usr/bin/gs");
    } else {
        EXPECT_EQ(producer_paths().ghostscript, "/usr/local/bin/gs");
    }
}

TEST_F(ToolDiscoveryTest, AGhostscriptFolderMeansItsBinGs) {
    make_program(dir_.file("gs10/bin/gs"), true);
    EXPECT_TRUE(use_ghostscript_folder(dir_.file("gs10")));
    EXPECT_EQ(producer_paths().ghostscript, dir_.file("gs10/bin/gs"));
}

TEST_F(ToolDiscoveryTest, AFolderWithoutTheProgramSetsNothing) {
    make_program(dir_.file("noexec/bin/gs"), false);
    const std::string cases[] = {dir_.file("missing"), dir_.file("noexec"), ""};
    for (const std::string& folder : cases) {
        SCOPED_TRACE(folder);
        EXPECT_FALSE(use_ghostscript_folder(folder));
        EXPECT_EQ(producer_paths().ghostscript, "untouched");
    }
}

TEST_F(ToolDiscoveryTest, ARelativeFolderIsTakenFromTheCurrentDirectory) {
    make_program(dir_.file("inst/gs/bin/gs"), true);
    CwdEnv fake(dir_.path());
    set_env(&fake);
    EXPECT_TRUE(use_ghostscript_folder("inst/gs"));
    EXPECT_EQ(producer_paths().ghostscript, dir_.path() + "/inst/gs/bin/gs");
}

}  // namespace
}  // namespace vane
