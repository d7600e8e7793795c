// The desk program's profile file in the common application-data folder:
// "Folivane\Settings\settings.ini" under ProgramData, written and read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "CSetting.h"
#include "CSettings.h"
#include "TempDir.h"
#include "WinShell.h"

namespace vane {
namespace {

namespace fs = std::filesystem;

TEST(WinSettings, ProfilesLiveInTheCommonApplicationDataFolder) {
    const std::string data = win32::common_data_folder();
    ASSERT_FALSE(data.empty());
    const std::string folder = data + "\\Folivane";
    const std::string path = folder + "\\Settings\\settings.ini";
    std::error_code ec;
    fs::remove_all(folder, ec);
    ASSERT_TRUE(fs::create_directories(folder + "\\Settings"));

    {
        CSettings settings;
        settings.SetPath(path);
        EXPECT_TRUE(settings.Load());  // no file yet: the current profile is created and saved
        ASSERT_TRUE(fs::is_regular_file(path));
        auto profile = std::make_unique<CSetting>("Manual");
        profile->IndexWidth = 320;
        profile->UseHome = false;
        EXPECT_TRUE(settings.Store(std::move(profile)));
    }
    {
        CSettings settings;
        settings.SetPath(path);
        EXPECT_TRUE(settings.Load());
        const CSetting* manual = settings.Find("Manual");
        ASSERT_NE(manual, nullptr);
        EXPECT_EQ(manual->IndexWidth, 320);
        EXPECT_FALSE(manual->UseHome);
        EXPECT_NE(settings.Find(CSettings::kCurrentSetting), nullptr);
    }
    fs::remove_all(folder, ec);
}

}  // namespace
}  // namespace vane
