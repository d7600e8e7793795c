#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "FakeRegistry.h"
#include "discovery/ProducerPaths.h"
#include "discovery/RegistrySearch.h"

namespace vane {
namespace {

using test::FakeRegistry;
constexpr RegistryView k64 = RegistryView::Bits64;
constexpr RegistryView k32 = RegistryView::Bits32;
constexpr RegistryView kDefault = RegistryView::Default;

const std::string kGs = "SOFTWARE\\GPL Ghostscript";
const std::string kAcro = "SOFTWARE\\Adobe\\Acrobat Distiller";
const std::string kUntouched = "untouched";

class RegistrySearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        producer_paths().ghostscript = kUntouched;
        producer_paths().distiller = kUntouched;
    }
    // Every search closes every key it opened, whatever its outcome.
    void TearDown() override { EXPECT_EQ(registry_.openHandles(), 0); }

    void addGhostscript(RegistryView view, const std::string& version, const std::string& dll) {
        registry_.setString(view, kGs + "\\" + version, "GS_DLL", dll);
    }
    bool searchGhostscript() { return search_ghostscript_in_registry(registry_, exists_); }
    bool searchDistiller() { return search_distiller_in_registry(registry_, exists_); }

    FakeRegistry registry_;
    std::set<std::string> files_;
    FileProbe exists_ = [this](const std::string& path) { return files_.count(path) != 0; };
};

TEST(VersionNumberTest, ReadsTheLeadingDecimalNumber) {
    const struct {
        const char* name;
        double value;
    } cases[] = {{"9.05", 9.05}, {"9.10", 9.10}, {"10", 10}, {"10beta", 10}, {"8.71 (x64)", 8.71}, {"0", 0},
                 {"0.5", 0.5},   {"current", 0}, {"", 0},    {"-1", 0},      {".5", 0.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(version_number(c.name), c.value);
    }
}

TEST_F(RegistrySearchTest, TheSubkeyEnumeratedLastIsUsedWhateverItsNumber) {
    const struct {
        std::vector<std::string> order;
        std::string expected;
    } cases[] = {
        {{"9.05", "9.10"}, "C:\\gs\\gs9.10\\bin\\gswin32c.exe"},
        {{"9.10", "9.05"}, "C:\\gs\\gs9.05\\bin\\gswin32c.exe"},
        {{"9.05", "current", "0"}, "C:\\gs\\gs9.05\\bin\\gswin32c.exe"},
        {{"current", "9.10", "0", "latest"}, "C:\\gs\\gs9.10\\bin\\gswin32c.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order.front() + ".." + c.order.back());
        FakeRegistry registry;
        for (const std::string& version : c.order) {
            registry.setString(k64, kGs + "\\" + version, "GS_DLL",
                               "C:\\gs\\gs" + version + "\\bin\\gsdll32.dll");
        }
        files_ = {"C:\\gs\\gs9.05\\bin\\gswin32c.exe", "C:\\gs\\gs9.10\\bin\\gswin32c.exe"};
        EXPECT_TRUE(search_ghostscript_in_registry(registry, exists_));
        EXPECT_EQ(producer_paths().ghostscript, c.expected);
        EXPECT_EQ(registry.openHandles(), 0);
    }
}

TEST_F(RegistrySearchTest, NoQualifyingSubkeyReportsFalseAndSetsNothing) {
    registry_.setString(k64, kGs + "\\current", "GS_DLL", "C:\\gs\\bin\\gsdll32.dll");
    registry_.setString(k64, kGs + "\\0", "GS_DLL", "C:\\gs\\bin\\gsdll32.dll");
    files_ = {"C:\\gs\\bin\\gswin32c.exe"};
    EXPECT_FALSE(searchGhostscript());
    EXPECT_EQ(producer_paths().ghostscript, kUntouched);
}

TEST_F(RegistrySearchTest, TheBinFolderIsFoundInAnyCase) {
    const struct {
        const char* dll;
        const char* expected;
    } cases[] = {
        {"C:\\Program Files\\gs\\gs9.05\\BIN\\gsdll32.dll",
         "C:\\Program Files\\gs\\gs9.05\\BIN\\gswin32c.exe"},
        {"C:\\gs\\gs9.05\\Bin\\gsdll32.dll", "C:\\gs\\gs9.05\\Bin\\gswin32c.exe"},
        {"C:\\gs\\gs9.05\\bin", "C:\\gs\\gs9.05\\bin\\gswin32c.exe"},
        // Separators written the other way round are unified before the search.
        {"C:/gs/gs9.05/bin/gsdll64.dll", "C:\\gs\\gs9.05\\bin\\gswin32c.exe"},
        // A folder whose name merely begins with "bin" is not the program folder.
        {"D:\\binaries\\gs\\bin\\gsdll32.dll", "D:\\binaries\\gs\\bin\\gswin32c.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dll);
        FakeRegistry registry;
        registry.setString(k32, kGs + "\\9.05", "GS_DLL", c.dll);
        files_ = {c.expected};
        EXPECT_TRUE(search_ghostscript_in_registry(registry, exists_));
        EXPECT_EQ(producer_paths().ghostscript, c.expected);
    }
}

TEST_F(RegistrySearchTest, A64BitOnlyInstallationEndsWithTheGswin64cPath) {
    addGhostscript(k64, "9.05", "C:\\gs\\gs9.05\\bin\\gsdll64.dll");
    files_ = {"C:\\gs\\gs9.05\\bin\\gswin64c.exe"};
    EXPECT_TRUE(searchGhostscript());
    EXPECT_EQ(producer_paths().ghostscript, "C:\\gs\\gs9.05\\bin\\gswin64c.exe");
}

TEST_F(RegistrySearchTest, MissingProgramsReportFalseButThePathStaysSet) {
    addGhostscript(k64, "9.05", "C:\\gs\\gs9.05\\bin\\gsdll64.dll");
    EXPECT_FALSE(searchGhostscript());
    EXPECT_EQ(producer_paths().ghostscript, "C:\\gs\\gs9.05\\bin\\gswin64c.exe");
}

TEST_F(RegistrySearchTest, KeysAreOpenedIn64Then32ThenDefaultView) {
    const struct {
        const char* name;
        std::vector<RegistryView> views;
        const char* expected;
    } cases[] = {
        {"64 only", {k64}, "C:\\gs64\\bin\\gswin32c.exe"},
        {"32 only", {k32}, "C:\\gs32\\bin\\gswin32c.exe"},
        {"default only", {kDefault}, "C:\\gsdefault\\bin\\gswin32c.exe"},
        {"64 before 32", {k32, k64}, "C:\\gs64\\bin\\gswin32c.exe"},
        {"32 before default", {kDefault, k32}, "C:\\gs32\\bin\\gswin32c.exe"},
    };
    const auto folder = [](RegistryView v) {
        return v == k64   ? std::string("C:\\gs64")
               : v == k32 ? std::string("C:\\gs32")
                          : std::string("C:\\gsdefault");
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        for (RegistryView v : c.views)
            registry.setString(v, kGs + "\\9.05", "GS_DLL", folder(v) + "\\bin\\gsdll.dll");
        files_ = {"C:\\gs64\\bin\\gswin32c.exe", "C:\\gs32\\bin\\gswin32c.exe",
                  "C:\\gsdefault\\bin\\gswin32c.exe"};
        EXPECT_TRUE(search_ghostscript_in_registry(registry, exists_));
        EXPECT_EQ(producer_paths().ghostscript, c.expected);
        EXPECT_EQ(registry.openHandles(), 0);
    }
}

TEST_F(RegistrySearchTest, AKeyThatOpensIsUsedEvenWhenItHoldsNoVersion) {
    registry_.addKey(k64, kGs);
    addGhostscript(k32, "9.05", "C:\\gs\\bin\\gsdll32.dll");
    files_ = {"C:\\gs\\bin\\gswin32c.exe"};
    EXPECT_FALSE(searchGhostscript());
    EXPECT_EQ(producer_paths().ghostscript, kUntouched);
}

TEST_F(RegistrySearchTest, FailuresBeforeThePathIsBuiltLeaveItAlone) {
    const struct {
        const char* name;
        void (*setup)(FakeRegistry&);
    } cases[] = {
        {"no key", [](FakeRegistry&) {}},
        {"version subkey cannot be opened", [](FakeRegistry& r) { r.listSubkey(k64, kGs, "9.05"); }},
        {"no GS_DLL", [](FakeRegistry& r) { r.setString(k64, kGs + "\\9.05", "GS_PATH", "C:\\gs\\bin"); }},
        {"no \\bin in GS_DLL",
         [](FakeRegistry& r) { r.setString(k64, kGs + "\\9.05", "GS_DLL", "C:\\gs\\gsdll.dll"); }},
        {"\\bin only as a prefix",
         [](FakeRegistry& r) { r.setString(k64, kGs + "\\9.05", "GS_DLL", "C:\\gs\\binaries\\gsdll.dll"); }},
        {"GS_DLL longer than 1022 characters",
         [](FakeRegistry& r) {
             r.setString(k64, kGs + "\\9.05", "GS_DLL", "C:\\gs\\bin\\" + std::string(1013, 'x'));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        c.setup(registry);
        files_ = {"C:\\gs\\bin\\gswin32c.exe", "C:\\gs\\bin\\gswin64c.exe"};
        EXPECT_FALSE(search_ghostscript_in_registry(registry, exists_));
        EXPECT_EQ(producer_paths().ghostscript, kUntouched);
        EXPECT_EQ(registry.openHandles(), 0);
    }
}

TEST_F(RegistrySearchTest, AValueOf1022CharactersIsStillRead) {
    const std::string dll = "C:\\gs\\bin\\" + std::string(1012, 'x');
    ASSERT_EQ(dll.size(), 1022u);
    addGhostscript(k64, "9.05", dll);
    files_ = {"C:\\gs\\bin\\gswin32c.exe"};
    EXPECT_TRUE(searchGhostscript());
}

TEST_F(RegistrySearchTest, ASubkeyNameTooLongToEnumerateEndsTheEnumeration) {
    addGhostscript(k64, "9.05", "C:\\gs905\\bin\\gsdll32.dll");
    addGhostscript(k64, "9" + std::string(1023, '1'), "C:\\gslong\\bin\\gsdll32.dll");
    addGhostscript(k64, "9.10", "C:\\gs910\\bin\\gsdll32.dll");
    files_ = {"C:\\gs905\\bin\\gswin32c.exe", "C:\\gs910\\bin\\gswin32c.exe",
              "C:\\gslong\\bin\\gswin32c.exe"};
    EXPECT_TRUE(searchGhostscript());
    EXPECT_EQ(producer_paths().ghostscript, "C:\\gs905\\bin\\gswin32c.exe");
}

TEST_F(RegistrySearchTest, DistillerIsAcrodistInTheInstallPath) {
    registry_.setString(k32, kAcro + "\\8.0", "InstallPath", "C:\\Acrobat 8\\Distillr");
    registry_.setString(k32, kAcro + "\\9.0", "InstallPath", "C:/Program Files/Adobe/Acrobat 9.0/Acrobat");
    files_ = {"C:\\Program Files\\Adobe\\Acrobat 9.0\\Acrobat\\acrodist.exe"};
    EXPECT_TRUE(searchDistiller());
    EXPECT_EQ(producer_paths().distiller, "C:\\Program Files\\Adobe\\Acrobat 9.0\\Acrobat\\acrodist.exe");
    EXPECT_EQ(producer_paths().ghostscript, kUntouched);
}

TEST_F(RegistrySearchTest, AMissingAcrodistReportsFalseWithThePathSet) {
    registry_.setString(k64, kAcro + "\\9.0", "InstallPath", "C:\\Acrobat\\Distillr");
    EXPECT_FALSE(searchDistiller());
    EXPECT_EQ(producer_paths().distiller, "C:\\Acrobat\\Distillr\\acrodist.exe");
}

TEST_F(RegistrySearchTest, DistillerWithoutInstallPathOrVersionIsNotFound) {
    registry_.setString(k64, kAcro + "\\9.0", "Path", "C:\\Acrobat");
    registry_.setString(k64, kAcro + "\\current", "InstallPath", "C:\\Acrobat");
    files_ = {"C:\\Acrobat\\acrodist.exe"};
    EXPECT_FALSE(searchDistiller());
    EXPECT_EQ(producer_paths().distiller, kUntouched);
}

}  // namespace
}  // namespace vane
