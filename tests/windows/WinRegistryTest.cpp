// The producer searches against the real registry: keys the test writes in
// the 64-bit and 32-bit views under a unique path.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "TempDir.h"
#include "TestRegistryKey.h"
#include "discovery/ProducerPaths.h"
#include "discovery/RegistrySearch.h"
#include "discovery/win32/WinRegistry.h"
#include "frame/FileUtil.h"

namespace vane {
namespace {

using test::TestRegistryKey;

std::string unique_name() {
    static int counter = 0;
    return std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
}

// The system's registry, with the producers' fixed keys moved below a test root.
class RedirectedRegistry final : public Registry {
public:
    explicit RedirectedRegistry(std::string root) : root_(std::move(root)) {}
    RegistryKey openMachineKey(const std::string& path, RegistryView view) override {
        const std::string name = path.substr(path.find_last_of('\\') + 1);
        return Registry::platform().openMachineKey(root_ + "\\" + name, view);
    }
    RegistryKey openSubkey(const RegistryKey& parent, const std::string& name) override {
        return Registry::platform().openSubkey(parent, name);
    }
    std::optional<std::string> subkeyName(const RegistryKey& key, unsigned index) override {
        return Registry::platform().subkeyName(key, index);
    }
    std::optional<std::string> readString(const RegistryKey& key, const std::string& name) override {
        return Registry::platform().readString(key, name);
    }

protected:
    void closeKey(std::uintptr_t) override {}

private:
    std::string root_;
};

// Subkey names of `path` in the 64-bit view, in the registry's enumeration order.
std::vector<std::string> enumerated(const std::string& path) {
    std::vector<std::string> names;
    RegistryKey key = Registry::platform().openMachineKey(path, RegistryView::Bits64);
    for (unsigned i = 0;; ++i) {
        auto name = Registry::platform().subkeyName(key, i);
        if (!name) break;
        names.push_back(*name);
    }
    return names;
}

TEST(WinRegistry, ReadsTheVersionValueInEitherView) {
    const struct {
        const char* name;
        bool in64;
        bool in32;
        const char* expected;  // null: not found
    } cases[] = {
        {"64-bit view only", true, false, "C:\\gs64\\bin\\gsdll64.dll"},
        {"32-bit view only", false, true, "C:\\gs32\\bin\\gsdll32.dll"},
        {"both views: the 64-bit one wins", true, true, "C:\\gs64\\bin\\gsdll64.dll"},
        {"no key at all", false, false, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string unique = unique_name();
        std::unique_ptr<TestRegistryKey> key64, key32;
        if (c.in64) {
            key64 = std::make_unique<TestRegistryKey>(unique, "GPL Ghostscript", KEY_WOW64_64KEY);
            key64->addSubkey("9.10", "GS_DLL", "C:\\gs64\\bin\\gsdll64.dll");
        }
        if (c.in32) {
            key32 = std::make_unique<TestRegistryKey>(unique, "GPL Ghostscript", KEY_WOW64_32KEY);
            key32->addSubkey("9.05", "GS_DLL", "C:\\gs32\\bin\\gsdll32.dll");
        }
        const auto value = read_version_value(Registry::platform(),
                                              TestRegistryKey::root(unique) + "\\GPL Ghostscript", "GS_DLL");
        if (c.expected == nullptr) {
            EXPECT_FALSE(value.has_value());
        } else {
            ASSERT_TRUE(value.has_value());
            EXPECT_EQ(*value, c.expected);
        }
    }
}

TEST(WinRegistry, TheVersionSubkeyEnumeratedLastIsUsed) {
    const struct {
        const char* name;
        std::vector<std::string> subkeys;
    } cases[] = {
        {"9.05 and 9.10", {"9.05", "9.10"}},
        {"9.10 written before 9.05", {"9.10", "9.05"}},
        {"10.0 beside 9.05 (no numeric comparison)", {"10.0", "9.05"}},
        {"current and 0 are passed over", {"9.05", "current", "0", "00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string unique = unique_name();
        TestRegistryKey key(unique, "GPL Ghostscript", KEY_WOW64_64KEY);
        for (const auto& subkey : c.subkeys)
            key.addSubkey(subkey, "GS_DLL", "C:\\gs\\" + subkey + "\\bin\\x.dll");
        std::string expected;
        for (const auto& name : enumerated(key.path())) {
            if (version_number(name) > 0) expected = name;
        }
        ASSERT_FALSE(expected.empty());
        const auto value = read_version_value(Registry::platform(), key.path(), "GS_DLL");
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, "C:\\gs\\" + expected + "\\bin\\x.dll");
    }
}

TEST(WinRegistry, KeysWithoutAUsableVersionOrValueGiveNothing) {
    const std::string unique = unique_name();
    {
        TestRegistryKey key(unique, "no version", KEY_WOW64_64KEY);
        key.addSubkey("current", "GS_DLL", "C:\\gs\\bin\\x.dll");
        key.addSubkey("0", "GS_DLL", "C:\\gs\\bin\\x.dll");
        EXPECT_FALSE(read_version_value(Registry::platform(), key.path(), "GS_DLL").has_value());
    }
    {
        TestRegistryKey key(unique, "no value", KEY_WOW64_64KEY);
        key.addSubkey("9.10");
        EXPECT_FALSE(read_version_value(Registry::platform(), key.path(), "GS_DLL").has_value());
    }
    {
        TestRegistryKey key(unique, "number value", KEY_WOW64_64KEY);
        key.addDword("9.10", "GS_DLL", 42);
        EXPECT_FALSE(read_version_value(Registry::platform(), key.path(), "GS_DLL").has_value());
    }
    {
        TestRegistryKey key(unique, "long value", KEY_WOW64_64KEY);
        key.addSubkey("9.10", "GS_DLL", "C:\\" + std::string(1021, 'x'));  // 1024 characters
        EXPECT_FALSE(read_version_value(Registry::platform(), key.path(), "GS_DLL").has_value());
        key.addSubkey("9.10", "GS_DLL", "C:\\" + std::string(1019, 'x'));  // 1022 characters: fits
        EXPECT_TRUE(read_version_value(Registry::platform(), key.path(), "GS_DLL").has_value());
    }
}

TEST(WinRegistry, GhostscriptSearchFindsTheConsoleProgramBesideTheLibrary) {
    const struct {
        const char* name;
        const char* libraryFolder;  // relative to the temp dir, as written in GS_DLL
        const char* programs;       // files created in <tmp>\gs\bin
        bool found;
        const char* chosen;
    } cases[] = {
        {"32-bit program", "\\gs\\bin", "gswin32c.exe", true, "\\gs\\bin\\gswin32c.exe"},
        {"64-bit only", "\\gs\\bin", "gswin64c.exe", true, "\\gs\\bin\\gswin64c.exe"},
        {"both: 32-bit first", "\\gs\\bin", "both", true, "\\gs\\bin\\gswin32c.exe"},
        {"\\BIN\\ in capitals", "\\gs\\BIN", "gswin64c.exe", true, "\\gs\\BIN\\gswin64c.exe"},
        {"forward slashes", "/gs/bin", "gswin64c.exe", true, "\\gs\\bin\\gswin64c.exe"},
        {"neither program: the 64-bit path stays", "\\gs\\bin", "", false, "\\gs\\bin\\gswin64c.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const std::string root = std::filesystem::path(dir.path()).make_preferred().string();
        std::filesystem::create_directories(root + "\\gs\\bin");
        const std::string programs = c.programs;
        for (const char* program : {"gswin32c.exe", "gswin64c.exe"}) {
            if (programs == program || programs == "both")
                test::write_text(root + "\\gs\\bin\\" + program, "MZ");
        }
        const std::string unique = unique_name();
        TestRegistryKey key(unique, "GPL Ghostscript", KEY_WOW64_32KEY);
        std::string library = root + c.libraryFolder + "\\gsdll64.dll";
        if (c.libraryFolder[0] == '/') library = root + c.libraryFolder + "/gsdll64.dll";
        key.addSubkey("9.10", "GS_DLL", library);

        RedirectedRegistry registry(TestRegistryKey::root(unique));
        producer_paths().ghostscript.clear();
        EXPECT_EQ(search_ghostscript_in_registry(
                      registry, [](const std::string& path) { return file_exists(path.c_str()); }),
                  c.found);
        EXPECT_EQ(producer_paths().ghostscript, root + c.chosen);
    }
}

TEST(WinRegistry, DistillerSearchAppendsTheProgramToTheInstallFolder) {
    test::TempDir dir;
    const std::string root = std::filesystem::path(dir.path()).make_preferred().string();
    test::write_text(root + "\\acrodist.exe", "MZ");
    const std::string unique = unique_name();
    TestRegistryKey key(unique, "Acrobat Distiller", KEY_WOW64_64KEY);
    key.addSubkey("5.0", "InstallPath", root);
    RedirectedRegistry registry(TestRegistryKey::root(unique));
    EXPECT_TRUE(search_distiller_in_registry(
        registry, [](const std::string& path) { return file_exists(path.c_str()); }));
    EXPECT_EQ(producer_paths().distiller, root + "\\acrodist.exe");
}

TEST(WinRegistry, TheFixedProducerKeysAreAbsentHere) {
    // Nothing installs Ghostscript or Distiller in the test prefix.
    EXPECT_FALSE(
        Registry::platform().openMachineKey("SOFTWARE\\Adobe\\Acrobat Distiller", RegistryView::Bits64));
}

}  // namespace
}  // namespace vane
