// System information and the shell services as Windows reports them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>

#include "TestHost.h"
#include "WinShell.h"
#include "frame/LibraryState.h"
#include "platform/Env.h"

namespace vane {
namespace {

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

TEST(WinEnv, ProcessorArchitectureIsTheSystemsAndSetsTheHostFlags) {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    EXPECT_EQ(env().processorArchitecture(), info.wProcessorArchitecture);
    // This build is 64-bit x86.
    EXPECT_EQ(env().processorArchitecture(), kArchAMD64);
    test::TestHost host;
    EXPECT_TRUE(state().amd64Host);
    EXPECT_FALSE(state().ia64Host);
}

TEST(WinEnv, AutomationIsReadyAfterInitLib) {
    test::TestHost host;
    EXPECT_TRUE(state().comReady);
    // COM is initialised for this thread: a second initialisation says so.
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
    CoUninitialize();
}

TEST(WinEnv, CurrentDirectoryAndProcessId) {
    char buffer[MAX_PATH * 4];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    EXPECT_EQ(env().currentDirectory(), std::string(buffer, length));
    EXPECT_EQ(env().processId(), static_cast<int>(GetCurrentProcessId()));
}

TEST(WinEnv, CodeDirectoryHoldsThisProgram) {
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    folder.resize(folder.find_last_of('\\'));
    EXPECT_EQ(env().codeDirectory(), folder);
}

TEST(WinEnv, LoadsALibraryAndFindsItsSymbols) {
    auto kernel = env().loadLibrary("kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    EXPECT_NE(kernel->symbol("GetCurrentProcessId"), nullptr);
    EXPECT_EQ(kernel->symbol("NoSuchFunction"), nullptr);
    EXPECT_EQ(env().loadLibrary("C:\\no\\such\\library.dll"), nullptr);
    EXPECT_EQ(env().loadLibrary(""), nullptr);
}

TEST(WinShell, CommonDataFolderIsProgramData) {
    const std::string folder = win32::common_data_folder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(lower(folder.substr(folder.find_last_of('\\') + 1)), "programdata");
    EXPECT_NE(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(WinShell, ThreadLanguageIsTheSystemsUiLanguage) {
    EXPECT_EQ(win32::thread_ui_language(), static_cast<int>(GetThreadUILanguage()));
    EXPECT_NE(win32::thread_ui_language(), 0);
}

TEST(WinShell, OpeningAMissingFileFails) {
    EXPECT_FALSE(win32::shell_open("C:\\no\\such\\folder\\index.html"));
}

}  // namespace
}  // namespace vane
