#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Actions.h"
#include "FakeVaneCore.h"
#include "MessageCatalog.h"
#include "OutputCallbacks.h"
#include "TempDir.h"

namespace vane::desk {
namespace {

using test::FakeVaneCore;
namespace fs = std::filesystem;

TEST(Actions, ExitCodes) {
    struct Case {
        const char* name;
        Action action;
        int installResult;
        bool ghostscript;
        bool distiller;
        int wordVersion;
        int expected;
    } const cases[] = {
        {"install ok", Action::Install, 0, false, false, 0, 0},
        {"install failed", Action::Install, -15, false, false, 0, 1},
        {"install positive result", Action::Install, 3, false, false, 0, 1},
        {"ghostscript found", Action::CheckGhostscript, 0, true, false, 0, 0},
        {"ghostscript missing", Action::CheckGhostscript, 0, false, true, 0, 1},
        {"distiller found", Action::CheckDistiller, 0, false, true, 0, 0},
        {"distiller missing", Action::CheckDistiller, 0, true, false, 0, 1},
        {"word 2010", Action::CheckWord, 0, false, false, 14, 14},
        {"office 7", Action::CheckWord, 0, false, false, 7, 7},
        {"no word", Action::CheckWord, 0, false, false, 0, 0},
        {"word failure code", Action::CheckWord, 0, false, false, -1, 0},
        {"dialog", Action::Dialog, -1, false, false, 9, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeVaneCore core;
        core.installResult = c.installResult;
        core.ghostscript = c.ghostscript;
        core.distiller = c.distiller;
        core.wordVersion = c.wordVersion;
        EXPECT_EQ(run_action(c.action, core, ""), c.expected);
    }
}

TEST(Actions, EachActionInitialisesTheLibraryFirstAndCallsOneExport) {
    struct Case {
        Action action;
        const char* call;
        OutputCallback output;
    } const cases[] = {
        {Action::Install, "install_printer", message_box_output},
        {Action::Uninstall, "uninstall_printer", log_output},
        {Action::CheckGhostscript, "check_ghostscript", log_output},
        {Action::CheckDistiller, "check_distiller", log_output},
        {Action::CheckWord, "check_winword", log_output},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        FakeVaneCore core;
        run_action(c.action, core, "");
        EXPECT_EQ(core.calls, (std::vector<std::string>{"InitLib", c.call}));
        EXPECT_EQ(core.output, c.output);
        EXPECT_EQ(core.message, &catalog::copy_message);
        EXPECT_EQ(core.owner, nullptr);
    }
    FakeVaneCore core;
    run_action(Action::Dialog, core, "");
    EXPECT_TRUE(core.calls.empty());
}

TEST(Actions, InstallArguments) {
    // Windows tries its three PostScript drivers only; the generic CUPS
    // driver closes the list elsewhere.
#ifdef _WIN32
    const std::string drivers =
        "HP C LaserJet 4500-PS;HP Color LaserJet 4500 PS;HP Color LaserJet 2800 Series PS";
#else
    const std::string drivers =
        "HP C LaserJet 4500-PS;HP Color LaserJet 4500 PS;"
        "HP Color LaserJet 2800 Series PS;Generic PostScript Printer";
#endif
    FakeVaneCore core;
    run_action(Action::Install, core, "");
    EXPECT_EQ(core.arguments,
              (std::vector<std::string>{"install_printer", "-p", "Folivane", "-d", drivers}));
    EXPECT_TRUE(core.terminated);
}

class UninstallTest : public ::testing::Test {
protected:
    void SetUp() override {
        data = dir.path() + "/Folivane";
        fs::create_directories(data + "/Settings");
        vane::test::write_text(data + "/Settings/settings.ini", "x");
        vane::test::write_text(data + "/top.txt", "x");
    }
    vane::test::TempDir dir;
    std::string data;
};

TEST_F(UninstallTest, RemovesThePrinterThenTheDataFolder) {
    FakeVaneCore core;
    EXPECT_EQ(run_action(Action::Uninstall, core, data), 0);
    EXPECT_EQ(core.arguments, (std::vector<std::string>{"uninstall_printer", "-p", "Folivane"}));
    EXPECT_FALSE(fs::exists(data));
}

TEST_F(UninstallTest, FailedPrinterRemovalKeepsTheFolderAndExitsWithZero) {
    FakeVaneCore core;
    core.uninstallResult = -15;
    EXPECT_EQ(run_action(Action::Uninstall, core, data), 0);
    EXPECT_TRUE(fs::exists(data + "/Settings/settings.ini"));
}

TEST_F(UninstallTest, LeavesDotFoldersAndDoesNotFollowLinks) {
    fs::create_directories(data + "/.keep/inner");
    vane::test::write_text(data + "/.keep/inner/file", "x");
    vane::test::write_text(data + "/.hidden-file", "x");
    const std::string outside = dir.path() + "/outside";
    fs::create_directories(outside);
    vane::test::write_text(outside + "/precious", "x");
    fs::create_directory_symlink(outside, data + "/link");
    FakeVaneCore core;
    EXPECT_EQ(run_action(Action::Uninstall, core, data), 0);
    EXPECT_TRUE(fs::exists(data + "/.keep/inner/file"));
    EXPECT_FALSE(fs::exists(data + "/.hidden-file"));  // files are deleted whatever their name
    EXPECT_FALSE(fs::exists(data + "/Settings"));
    EXPECT_FALSE(fs::exists(data + "/top.txt"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(data + "/link")));
    EXPECT_TRUE(fs::exists(outside + "/precious"));
}

TEST_F(UninstallTest, UnresolvedFolderRemovesNothing) {
    FakeVaneCore core;
    EXPECT_EQ(run_action(Action::Uninstall, core, ""), 0);
    EXPECT_TRUE(fs::exists(data + "/top.txt"));
}

}  // namespace
}  // namespace vane::desk
