// The installer against the machine's CUPS scheduler (start it with
// tests/printer/start-cupsd.sh). Every test works on its own queue name and
// removes it again.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "TestHost.h"
#include "platform/Env.h"
#include "platform/Spooler.h"
#include "vanecore/vanecore.h"

namespace vane {
namespace {

using test::TestHost;

constexpr const char* kLinuxDrivers =
    "HP C LaserJet 4500-PS;HP Color LaserJet 4500 PS;HP Color LaserJet 2800 Series PS;"
    "Generic PostScript Printer";

// Output of a shell command (stderr included).
std::string shell(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen((command + " 2>&1").c_str(), "r"), ::pclose);
    if (!pipe) return out;
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) out += buffer.data();
    return out;
}

int call(int (*command)(int, char*[]), std::vector<std::string> args) {
    args.insert(args.begin(), "command");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    return command(static_cast<int>(args.size()), argv.data());
}

std::string message(int id, const std::string& a = "", const std::string& b = "") {
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, TestHost::text(id).c_str(), a.c_str(), b.c_str());
    return buffer;
}

class CupsPrinter : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(shell("lpstat -r").find("scheduler is running"), std::string::npos)
            << "cupsd is not running: run tests/printer/start-cupsd.sh as root";
        name_ = "FolivaneTest_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    void TearDown() override {
        shell("cancel -a " + name_);
        shell("lpadmin -x " + name_);
    }

    int install(const std::string& drivers) { return call(install_printer, {"-p", name_, "-d", drivers}); }
    int uninstall() { return call(uninstall_printer, {"-p", name_}); }
    bool queueExists() {
        return shell("lpstat -v " + name_).find("device for " + name_) != std::string::npos;
    }
    // The queue's attributes as lpoptions lists them ("key=value ...").
    std::string attributes() { return " " + shell("lpoptions -p " + name_) + " "; }
    bool has(const std::string& attribute) {
        return attributes().find(" " + attribute + " ") != std::string::npos ||
               attributes().find(" " + attribute + "\n") != std::string::npos;
    }

    std::string name_;
};

TEST_F(CupsPrinter, InstallCreatesAFileQueueWithTheGenericPostScriptDriver) {
    TestHost host;
    ASSERT_EQ(install(kLinuxDrivers), 0);
    EXPECT_EQ(host.output(), "");
    for (const char* attribute :
         {"device-uri=file:/dev/null", "printer-make-and-model='Generic PostScript Printer'",
          "printer-is-accepting-jobs=true", "printer-state=3", "printer-is-shared=false"}) {
        EXPECT_TRUE(has(attribute)) << attribute << " not in" << attributes();
    }
    EXPECT_TRUE(env().spooler().canOpen(name_));
}

TEST_F(CupsPrinter, InstallingAgainReplacesTheQueue) {
    TestHost host;
    ASSERT_EQ(install(kLinuxDrivers), 0);
    // Mark the queue in ways a mere update of its device and driver would keep.
    shell("lpadmin -p " + name_ + " -v file:/dev/zero -L FolivaneMarker");
    ASSERT_TRUE(has("device-uri=file:/dev/zero")) << attributes();
    ASSERT_NE(attributes().find("FolivaneMarker"), std::string::npos);
    EXPECT_EQ(install(kLinuxDrivers), 0);
    EXPECT_EQ(host.output(), "");
    EXPECT_TRUE(has("device-uri=file:/dev/null")) << attributes();
    EXPECT_EQ(attributes().find("FolivaneMarker"), std::string::npos) << attributes();
}

TEST_F(CupsPrinter, UninstallRemovesTheQueueAndAMissingOneIsNoError) {
    TestHost host;
    ASSERT_EQ(install(kLinuxDrivers), 0);
    EXPECT_EQ(uninstall(), 0);
    EXPECT_FALSE(queueExists());
    EXPECT_FALSE(env().spooler().canOpen(name_));
    EXPECT_EQ(uninstall(), 0);
    EXPECT_EQ(host.output(), "");
}

TEST_F(CupsPrinter, AQueueWithAPendingJobStays) {
    TestHost host;
    ASSERT_EQ(install(kLinuxDrivers), 0);
    const std::string submitted = shell("echo held | lp -d " + name_ + " -H hold");
    ASSERT_NE(submitted.find("request id is"), std::string::npos) << submitted;
    EXPECT_EQ(env().spooler().jobCount(name_), 1);

    EXPECT_EQ(uninstall(), -15);
    EXPECT_EQ(host.output(), message(115, name_));
    host.clear();
    EXPECT_EQ(install(kLinuxDrivers), -15);
    EXPECT_EQ(host.output(), message(115, name_));
    EXPECT_TRUE(queueExists());

    shell("cancel -a " + name_);
    EXPECT_EQ(env().spooler().jobCount(name_), 0);
    EXPECT_EQ(uninstall(), 0);
    EXPECT_FALSE(queueExists());
}

TEST_F(CupsPrinter, AnUnknownDriverListInstallsNothing) {
    TestHost host;
    const std::string drivers = "HP C LaserJet 4500-PS;generic postscript printer";
    EXPECT_EQ(install(drivers), -15);
    EXPECT_EQ(host.output(), message(116, name_, drivers));
    EXPECT_FALSE(queueExists());
}

TEST_F(CupsPrinter, TheGenericDriverIsOfferedUnderItsExactName) {
    const auto drivers = env().spooler().listDrivers();
    ASSERT_TRUE(drivers.has_value());
    EXPECT_NE(std::find(drivers->begin(), drivers->end(), "Generic PostScript Printer"), drivers->end());
}

TEST_F(CupsPrinter, CanBeOpenedOnlyForAnExistingQueue) {
    EXPECT_FALSE(env().spooler().canOpen(name_));
    EXPECT_FALSE(env().spooler().canOpen("Acrobat Distiller"));
    EXPECT_EQ(env().spooler().lookupPrinter(name_), PrinterLookup::NotFound);
    ASSERT_EQ(call(install_printer, {"-p", name_, "-d", "Generic PostScript Printer"}), 0);
    EXPECT_TRUE(env().spooler().canOpen(name_));
    EXPECT_TRUE(env().spooler().canOpen("foLIVANEtest_" + name_.substr(13)));  // names ignore case
}

}  // namespace
}  // namespace vane
