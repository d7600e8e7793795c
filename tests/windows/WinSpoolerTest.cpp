// The print spooler through winspool: a driver installed from Wine's
// PostScript driver, then a printer on "FILE:" added, inspected, moved and
// deleted, and the same through the installer exports.
#include <gtest/gtest.h>
#include <windows.h>
#include <winspool.h>

#include <algorithm>

#include "TestHost.h"
#include "platform/Spooler.h"
#include "vanecore/vanecore.h"

namespace vane {
namespace {

constexpr const char* kTestDriver = "Folivane Test PostScript";

bool has_driver(Spooler& spooler, const std::string& name) {
    const auto drivers = spooler.listDrivers();
    return drivers && std::find(drivers->begin(), drivers->end(), name) != drivers->end();
}

// Installs Wine's PostScript driver under the test's driver name once.
class WinSpoolerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Spooler& spooler = Spooler::platform();
        if (has_driver(spooler, kTestDriver)) return;
        DRIVER_INFO_3A info{};
        info.cVersion = 3;
        info.pName = const_cast<char*>(kTestDriver);
        info.pDriverPath = const_cast<char*>("wineps.drv");
        info.pDataFile = const_cast<char*>("wineps.drv");
        info.pConfigFile = const_cast<char*>("wineps.drv");
        if (!AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&info))) {
            std::printf("AddPrinterDriver failed: %lu\n", GetLastError());
        }
    }

    std::string printerName(const char* what) {
        return std::string("Folivane Test ") + what + " " + std::to_string(GetCurrentProcessId());
    }
};

int call(int (*command)(int, char**), std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    return command(static_cast<int>(arguments.size()), argv.data());
}

TEST_F(WinSpoolerTest, DriverListHoldsTheInstalledDriver) {
    EXPECT_TRUE(has_driver(Spooler::platform(), kTestDriver));
    EXPECT_FALSE(has_driver(Spooler::platform(), "folivane test postscript"));
}

TEST_F(WinSpoolerTest, PrinterRoundTrip) {
    Spooler& spooler = Spooler::platform();
    const std::string name = printerName("round trip");
    ASSERT_EQ(spooler.lookupPrinter(name), PrinterLookup::NotFound);
    EXPECT_FALSE(spooler.jobCount(name).has_value());
    EXPECT_FALSE(spooler.deletePrinter(name));

    ASSERT_TRUE(spooler.addPrinter({name, "FILE:", kTestDriver, "WinPrint", "RAW"}));
    EXPECT_EQ(spooler.lookupPrinter(name), PrinterLookup::Found);
    EXPECT_TRUE(spooler.canOpen(name));
    EXPECT_EQ(spooler.jobCount(name), 0);
    EXPECT_TRUE(spooler.setPort(name, "FILE:"));

    EXPECT_TRUE(spooler.deletePrinter(name));
    EXPECT_EQ(spooler.lookupPrinter(name), PrinterLookup::NotFound);
}

TEST_F(WinSpoolerTest, PrinterWithAnUnknownDriverIsRefused) {
    Spooler& spooler = Spooler::platform();
    const std::string name = printerName("no driver");
    EXPECT_FALSE(spooler.addPrinter({name, "FILE:", "No Such Driver 123", "WinPrint", "RAW"}));
    EXPECT_EQ(spooler.lookupPrinter(name), PrinterLookup::NotFound);
}

TEST_F(WinSpoolerTest, DriverSetupDirectoryIsTheWindowsDirectory) {
    char directory[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(directory, sizeof directory);
    EXPECT_EQ(Spooler::platform().driverSetupDirectory(), std::string(directory, length));
}

TEST_F(WinSpoolerTest, InstallAndUninstallThroughTheExports) {
    test::TestHost host;
    const std::string name = printerName("export");
    // The first name is no driver at all; the second is installed.
    EXPECT_EQ(call(install_printer,
                   {"install_printer", "-p", name, "-d", std::string("No Such Driver 123 ; ") + kTestDriver}),
              0);
    EXPECT_EQ(host.output(), "");
    EXPECT_EQ(Spooler::platform().lookupPrinter(name), PrinterLookup::Found);

    // Installing again replaces it.
    EXPECT_EQ(call(install_printer, {"install_printer", "-p", name, "-d", kTestDriver}), 0);

    EXPECT_EQ(call(uninstall_printer, {"uninstall_printer", "-p", name}), 0);
    EXPECT_EQ(Spooler::platform().lookupPrinter(name), PrinterLookup::NotFound);
    // Uninstalling a printer that is not there succeeds quietly.
    EXPECT_EQ(call(uninstall_printer, {"uninstall_printer", "-p", name}), 0);
    EXPECT_EQ(host.output(), "");

    // No usable driver: message 116 and -15.
    EXPECT_EQ(call(install_printer, {"install_printer", "-p", name, "-d", "No Such Driver 123"}), -15);
    EXPECT_EQ(host.output(), "\r\nCannot install printer " + name + ", No Such Driver 123");
    EXPECT_EQ(Spooler::platform().lookupPrinter(name), PrinterLookup::NotFound);
}

}  // namespace
}  // namespace vane
