#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "SettingsLocation.h"
#include "TempDir.h"

namespace vane::settings {
namespace {

// Sets or unsets an environment variable for the life of the object.
class EnvOverride {
public:
    EnvOverride(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvOverride() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsLocation, UsesXdgConfigHomeAndCreatesTheFolders) {
    test::TempDir dir;
    EnvOverride config("XDG_CONFIG_HOME", dir.path().c_str());
    EXPECT_EQ(program_data_folder(), dir.path() + "/Folivane");
    EXPECT_EQ(settings_path("/opt/vane/bin"), dir.path() + "/Folivane/Settings/settings.ini");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "/Folivane/Settings"));
}

TEST(SettingsLocation, FallsBackToHomeConfig) {
    test::TempDir dir;
    EnvOverride config("XDG_CONFIG_HOME", nullptr);
    EnvOverride home("HOME", dir.path().c_str());
    EXPECT_EQ(settings_path("/opt/vane/bin"), dir.path() + "/.config/Folivane/Settings/settings.ini");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "/.config/Folivane/Settings"));
}

TEST(SettingsLocation, RelativeOrEmptyVariablesDoNotCount) {
    test::TempDir dir;
    EnvOverride config("XDG_CONFIG_HOME", "relative/config");
    EnvOverride home("HOME", dir.path().c_str());
    EXPECT_EQ(common_data_folder(), dir.path() + "/.config");
    EnvOverride emptyConfig("XDG_CONFIG_HOME", "");
    EXPECT_EQ(common_data_folder(), dir.path() + "/.config");
}

TEST(SettingsLocation, WithoutADataFolderUsesTheProgramsParent) {
    EnvOverride config("XDG_CONFIG_HOME", nullptr);
    EnvOverride home("HOME", nullptr);
    EXPECT_EQ(common_data_folder(), "");
    EXPECT_EQ(program_data_folder(), "");
    EXPECT_EQ(settings_path("/opt/vane/bin"), "/opt/vane/Settings/settings.ini");
}

}  // namespace
}  // namespace vane::settings
