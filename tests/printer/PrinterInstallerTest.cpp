#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "FakeSpooler.h"
#include "TestHost.h"
#include "frame/LibraryState.h"
#include "printer/DriverSetupCommand.h"
#include "printer/PrinterInstaller.h"
#include "vanecore/vanecore.h"

namespace vane {
namespace {

using test::FakeSpooler;
using test::FakeSpoolerEnv;
using test::TestHost;

using Args = std::vector<std::string>;

int call(int (*command)(int, char*[]), const Args& args) {
    std::vector<std::string> copy = args;
    copy.insert(copy.begin(), "command");
    std::vector<char*> argv;
    for (std::string& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    return command(static_cast<int>(copy.size()), argv.data());
}

int install(const Args& args) {
    return call(install_printer, args);
}
int uninstall(const Args& args) {
    return call(uninstall_printer, args);
}

std::string message(int id, const char* a = "", const char* b = "") {
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, TestHost::text(id).c_str(), a, b);
    return buffer;
}

FakeSpooler::Printer existing(const std::string& name, const std::string& driver, int jobs = 0) {
    return {PrinterRecord{name, "LPT1:", driver, "WinPrint", "RAW"}, jobs};
}

TEST(PrinterExports, MissingOrEmptyArgumentsGiveMinusFour) {
    struct Case {
        bool installing;
        Args args;
        std::string output;
    } const cases[] = {
        {true, {}, ""},
        {true, {"-p", "Folivane"}, ""},
        {true, {"-d", "Generic PostScript Printer"}, ""},
        {true, {"-p", "-d", "Generic PostScript Printer"}, ""},  // -p takes no "-..." value
        {true, {"-p", "Folivane", "-d"}, ""},
        {true, {"-p", "", "-d", "Generic PostScript Printer"}, message(113)},
        {true, {"-p", " \t \r\n ", "-d", "Generic PostScript Printer"}, message(113)},
        {true, {"-p", "", "-d", ""}, message(113)},
        {true, {"-p", "Folivane", "-d", ""}, message(114)},
        {true, {"-p", "Folivane", "-d", "  \t"}, message(114)},
        {false, {}, ""},
        {false, {"-p"}, ""},
        {false, {"-p", ""}, message(113)},
        {false, {"-p", "\t"}, message(113)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        FakeSpoolerEnv env;
        TestHost host;
        EXPECT_EQ(c.installing ? install(c.args) : uninstall(c.args), -4);
        EXPECT_EQ(host.output(), c.output);
        EXPECT_TRUE(env.fake.calls.empty());
    }
}

TEST(PrinterExports, InstallAddsAFilePrinterWithTheFirstAvailableDriverOfTheList) {
    struct Case {
        std::vector<std::string> offered;
        std::string list;
        std::string chosen;
    } const cases[] = {
        {{"Generic PostScript Printer"}, "Generic PostScript Printer", "Generic PostScript Printer"},
        {{"C", "B", "A"}, "A;B;C", "A"},
        {{"C", "B"}, "A;B;C", "B"},
        {{"C"}, "A;B;C", "C"},
        {{"B"}, "A;;B", "B"},
        {{"HP Color LaserJet 4500 PS", "Generic PostScript Printer"},
         "HP C LaserJet 4500-PS;HP Color LaserJet 4500 PS;Generic PostScript Printer",
         "HP Color LaserJet 4500 PS"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        FakeSpoolerEnv env;
        env.fake.drivers = c.offered;
        TestHost host;
        EXPECT_EQ(install({"-p", "Folivane", "-d", c.list}), 0);
        EXPECT_EQ(host.output(), "");
        ASSERT_EQ(env.fake.printers.count("Folivane"), 1u);
        const PrinterRecord& r = env.fake.printers["Folivane"].record;
        EXPECT_EQ(r.name, "Folivane");
        EXPECT_EQ(r.port, "FILE:");
        EXPECT_EQ(r.driver, c.chosen);
        EXPECT_EQ(r.processor, "WinPrint");
        EXPECT_EQ(r.dataType, "RAW");
        EXPECT_TRUE(env.started.empty());
    }
}

TEST(PrinterExports, NamesAreNormalisedBeforeUse) {
    FakeSpoolerEnv env;
    env.fake.drivers = std::vector<std::string>{"Generic PostScript Printer"};
    TestHost host;
    EXPECT_EQ(install({"-p", "  Foli\tvane ", "-d", " HP  C ;\t Generic   PostScript\r\nPrinter  ; D"}), 0);
    ASSERT_EQ(env.fake.printers.count("Foli vane"), 1u);
    EXPECT_EQ(env.fake.printers["Foli vane"].record.driver, "Generic PostScript Printer");
}

TEST(PrinterExports, NoUsableDriverGivesMessage116WithTheWholeList) {
    struct Case {
        std::optional<std::vector<std::string>> offered;
        std::string list;
        std::string printedList;
    } const cases[] = {
        {std::vector<std::string>{"generic postscript printer"}, "Generic PostScript Printer",
         "Generic PostScript Printer"},  // case counts
        {std::vector<std::string>{"Generic PostScript Printer"}, "Generic PostScript  ;  Other",
         "Generic PostScript ; Other"},
        {std::vector<std::string>{}, "A;B", "A;B"},
        {std::nullopt, "A", "A"},  // list unreadable
        {std::vector<std::string>{"A"}, "B;", "B;"},
        {std::vector<std::string>{"A"}, ";", ";"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        FakeSpoolerEnv env;
        env.fake.drivers = c.offered;
        TestHost host;
        EXPECT_EQ(install({"-p", "Folivane", "-d", c.list}), -15);
        EXPECT_EQ(host.output(), message(116, "Folivane", c.printedList.c_str()));
        EXPECT_TRUE(env.fake.printers.empty());
    }
}

TEST(PrinterExports, ARefusedAddMakesTheNextDriverBeTried) {
    FakeSpoolerEnv env;
    env.fake.drivers = std::vector<std::string>{"A", "B"};
    env.fake.addRefusedFor = {"A"};
    TestHost host;
    EXPECT_EQ(install({"-p", "Folivane", "-d", "A;B"}), 0);
    EXPECT_EQ(env.fake.printers["Folivane"].record.driver, "B");

    env.fake.printers.clear();
    env.fake.addRefusedFor = {"A", "B"};
    EXPECT_EQ(install({"-p", "Folivane", "-d", "A;B"}), -15);
    EXPECT_EQ(host.output(), message(116, "Folivane", "A;B"));
}

TEST(PrinterExports, InstallReplacesAnIdlePrinterOfTheSameName) {
    FakeSpoolerEnv env;
    env.fake.drivers = std::vector<std::string>{"Generic PostScript Printer"};
    env.fake.printers["Folivane"] = existing("Folivane", "Old Driver");
    env.fake.printers["Other"] = existing("Other", "Old Driver");
    TestHost host;
    EXPECT_EQ(install({"-p", "Folivane", "-d", "Generic PostScript Printer"}), 0);
    EXPECT_EQ(host.output(), "");
    EXPECT_EQ(env.fake.printers["Folivane"].record.driver, "Generic PostScript Printer");
    EXPECT_EQ(env.fake.printers["Other"].record.driver, "Old Driver");
    const std::vector<std::string> expected = {
        "lookup Folivane", "jobs Folivane", "port Folivane FILE:",
        "delete Folivane", "drivers",       "add Folivane Generic PostScript Printer"};
    EXPECT_EQ(env.fake.calls, expected);
}

TEST(PrinterExports, APrinterWithJobsIsNeitherReplacedNorRemoved) {
    FakeSpoolerEnv env;
    env.fake.drivers = std::vector<std::string>{"Generic PostScript Printer"};
    env.fake.printers["Folivane"] = existing("Folivane", "Old Driver", 2);
    TestHost host;
    EXPECT_EQ(install({"-p", "Folivane", "-d", "Generic PostScript Printer"}), -15);
    EXPECT_EQ(host.output(), message(115, "Folivane"));
    host.clear();
    EXPECT_EQ(uninstall({"-p", "Folivane"}), -15);
    EXPECT_EQ(host.output(), message(115, "Folivane"));
    ASSERT_EQ(env.fake.printers.count("Folivane"), 1u);
    EXPECT_EQ(env.fake.printers["Folivane"].record.driver, "Old Driver");
    EXPECT_EQ(env.fake.printers["Folivane"].record.port, "LPT1:");
    for (const std::string& call : env.fake.calls) {
        EXPECT_EQ(call.rfind("delete", 0), std::string::npos) << call;
        EXPECT_EQ(call.rfind("add", 0), std::string::npos) << call;
    }
}

TEST(PrinterExports, UninstallResults) {
    struct Case {
        const char* name;
        bool present;
        bool lookupFails;
        bool jobCountFails;
        bool deleteRefused;
        int result;
        bool removed;
    } const cases[] = {
        {"absent", false, false, false, false, 0, true},
        {"present", true, false, false, false, 0, true},
        {"delete refused", true, false, false, true, -15, false},
        {"settings unreadable", true, false, true, false, -15, false},
        {"spooler not answering", true, true, false, false, -15, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSpoolerEnv env;
        if (c.present) env.fake.printers["Folivane"] = existing("Folivane", "A");
        env.fake.lookupFails = c.lookupFails;
        env.fake.jobCountFails = c.jobCountFails;
        env.fake.deleteRefused = c.deleteRefused;
        TestHost host;
        EXPECT_EQ(uninstall({"-p", " Folivane "}), c.result);
        EXPECT_EQ(host.output(), c.result == 0 ? "" : message(115, "Folivane"));
        EXPECT_EQ(env.fake.printers.count("Folivane") == 0, c.removed);
    }
}

TEST(PrinterInstaller, RemovePrinterAnswers) {
    struct Case {
        const char* name;
        bool present;
        int jobs;
        bool lookupFails;
        bool jobCountFails;
        bool deleteRefused;
        int answer;
    } const cases[] = {
        {"absent", false, 0, false, false, false, kPrinterRemoved},
        {"removed", true, 0, false, false, false, kPrinterRemoved},
        {"lookup failed", true, 0, true, false, false, kPrinterUnreadable},
        {"settings unreadable", true, 0, false, true, false, kPrinterUnreadable},
        {"one job", true, 1, false, false, false, kPrinterHasJobs},
        {"refused", true, 0, false, false, true, kPrinterDeleteRefused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSpoolerEnv env;
        if (c.present) env.fake.printers["P"] = existing("P", "A", c.jobs);
        env.fake.lookupFails = c.lookupFails;
        env.fake.jobCountFails = c.jobCountFails;
        env.fake.deleteRefused = c.deleteRefused;
        EXPECT_EQ(remove_printer("P"), c.answer);
    }
}

TEST(PrinterInstaller, RemovePrinterDetachesThePortBeforeDeleting) {
    FakeSpoolerEnv env;
    env.fake.printers["P"] = existing("P", "A");
    env.fake.deleteRefused = true;
    EXPECT_EQ(remove_printer("P"), kPrinterDeleteRefused);
    EXPECT_EQ(env.fake.printers["P"].record.port, "FILE:");
    const std::vector<std::string> expected = {"lookup P", "jobs P", "port P FILE:", "delete P"};
    EXPECT_EQ(env.fake.calls, expected);
}

TEST(PrinterInstaller, EnsureDriverComparesNamesExactly) {
    struct Case {
        std::optional<std::vector<std::string>> offered;
        std::string wanted;
        int answer;
    } const cases[] = {
        {std::vector<std::string>{"A", "Generic PostScript Printer"}, "Generic PostScript Printer", 0},
        {std::vector<std::string>{"Generic PostScript Printer"}, "Generic Postscript Printer", 1},
        {std::vector<std::string>{"Generic PostScript Printer"}, "Generic PostScript", 1},
        {std::vector<std::string>{"Generic PostScript Printer"}, "Generic PostScript Printer ", 1},
        {std::vector<std::string>{}, "A", 1},
        {std::nullopt, "A", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wanted);
        FakeSpoolerEnv env;
        env.fake.drivers = c.offered;
        EXPECT_EQ(ensure_driver(c.wanted, "Windows 2000"), c.answer);
        EXPECT_TRUE(env.started.empty());
    }
}

// Where a set-up program installs drivers, each candidate gets it run once per
// system version until the driver shows up in the list.
TEST(PrinterInstaller, TheSetUpProgramRunsTwiceForEachMissingDriver) {
    FakeSpoolerEnv env;
    env.fake.setupDirectory = "C:\\WINDOWS";
    env.fake.drivers = std::vector<std::string>{"Third"};
    TestHost host;
    state().amd64Host = true;
    state().ia64Host = false;
    EXPECT_EQ(add_printer_from_list("First;Second;Third", "Folivane"), 0);
    state().amd64Host = false;
    const std::string tail = "\" /h \"x64\" /v \"";
    const std::string inf = "\" /f \"C:\\WINDOWS\\inf\\ntprint.inf\" /u /q";
    const std::string head = "rundll32 printui.dll,PrintUIEntry /ia /m \"";
    const std::vector<std::string> expected = {
        head + "First" + tail + "Windows 2000" + inf,  head + "First" + tail + "Windows XP" + inf,
        head + "Second" + tail + "Windows 2000" + inf, head + "Second" + tail + "Windows XP" + inf,
        head + "Third" + tail + "Windows 2000" + inf,
    };
    EXPECT_EQ(env.started, expected);
    EXPECT_EQ(env.fake.printers["Folivane"].record.driver, "Third");
}

TEST(PrinterInstaller, ASetUpProgramThatCannotRunOrAQuotedNameFails) {
    FakeSpoolerEnv env;
    env.fake.setupDirectory = "C:\\WINDOWS";
    env.fake.drivers = std::vector<std::string>{"A", "B\" /x \"C"};
    env.startFails = true;
    EXPECT_EQ(ensure_driver("A", "Windows XP"), 1);
    EXPECT_EQ(env.started.size(), 1u);

    env.startFails = false;
    env.started.clear();
    EXPECT_EQ(ensure_driver("B\" /x \"C", "Windows XP"), 1);
    EXPECT_TRUE(env.started.empty());
    EXPECT_EQ(ensure_driver("A", "Windows XP"), 0);
    EXPECT_EQ(env.started.size(), 1u);
}

TEST(DriverSetupCommand, NamesTheArchitectureAndTheDriverCatalogue) {
    struct Case {
        bool amd64;
        bool ia64;
        const char* expected;
    } const cases[] = {
        {true, false,
         R"(rundll32 printui.dll,PrintUIEntry /ia /m "HP Color LaserJet 4500 PS" /h "x64" /v "Windows 2000" /f "D:\WinNT\inf\ntprint.inf" /u /q)"},
        {false, true,
         R"(rundll32 printui.dll,PrintUIEntry /ia /m "HP Color LaserJet 4500 PS" /h "IA64" /v "Windows 2000" /f "D:\WinNT\inf\ntprint.inf" /u /q)"},
        {false, false,
         R"(rundll32 printui.dll,PrintUIEntry /ia /m "HP Color LaserJet 4500 PS" /h "Intel" /v "Windows 2000" /f "D:\WinNT\inf\ntprint.inf" /u /q)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(
            driver_setup_command("HP Color LaserJet 4500 PS", "Windows 2000", c.amd64, c.ia64, "D:\\WinNT"),
            c.expected);
    }
}

}  // namespace
}  // namespace vane
