// The main of every test program: fills in the locations the tests read from
// the environment (source tree, shared material, build tree) when the caller
// did not set them, then runs the tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void set_default(const char* name, const char* value) {
    const char* current = std::getenv(name);
    if (current != nullptr && *current != '\0') return;
#if defined(_WIN32)
    ::_putenv_s(name, value);
#else
    ::setenv(name, value, 1);
#endif
}

#if !defined(_WIN32)
// Each test program takes instance locks in a runtime directory of its own,
// so suites that publish for real can run in parallel.
std::string g_runtimeDir;

void use_private_runtime_directory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vane-run-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    g_runtimeDir = pattern;
    ::setenv("XDG_RUNTIME_DIR", g_runtimeDir.c_str(), 1);
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(g_runtimeDir, ec);
    });
}
#endif

}  // namespace

int main(int argc, char** argv) {
    set_default("VANE_SOURCE_DIR", VANE_SOURCE_DIR_DEFAULT);
    set_default("VANE_SHARED_DIR", VANE_SHARED_DIR_DEFAULT);
    set_default("VANE_BINARY_DIR", VANE_BINARY_DIR_DEFAULT);
#if !defined(_WIN32)
    use_private_runtime_directory();
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
