#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "FakeVaneCore.h"
#include "Startup.h"
#include "TempDir.h"

namespace vane::desk {
namespace {

TEST(Startup, ProgramFolder) {
    EXPECT_EQ(program_folder("/opt/vane/bin/vanedesk"), "/opt/vane/bin");
    EXPECT_EQ(program_folder("vanedesk"), "");
}

TEST(Startup, DialogModeLoadsTheCurrentProfile) {
    vane::test::TempDir dir;
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    const std::string path = dir.path() + "/Folivane/Settings/settings.ini";
    std::filesystem::create_directories(dir.path() + "/Folivane/Settings");
    vane::test::write_text(path, "[Setting1]\r\nName=PM_CurrentSetting\r\nIndexWidth=321\r\nUseHome=no\r\n");
    CSettings settings;
    CSetting current;
    load_profiles(settings, "/opt/vane/bin", current);
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(settings.Path(), path);
    EXPECT_EQ(current.IndexWidth, 321);
    EXPECT_FALSE(current.UseHome);
    EXPECT_EQ(current.HeadingLevel, 5);
}

TEST(Startup, UninstallRemovesTheProgramDataFolder) {
    vane::test::TempDir dir;
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    std::filesystem::create_directories(dir.path() + "/Folivane/Settings");
    std::filesystem::create_directories(dir.path() + "/Other");
    const char* argv[] = {"vanedesk", "-uninstall"};
    const StartupChoice choice = begin_startup(2, argv);
    test::FakeVaneCore core;
    EXPECT_EQ(run_unattended(choice, core), 0);
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/Folivane"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() + "/Other"));
}

}  // namespace
}  // namespace vane::desk
