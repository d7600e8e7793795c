#include "WinShell.h"

// windows.h first: the shell headers build on it.
// clang-format off
#include <windows.h>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>
// clang-format on

namespace vane::win32 {

std::string common_data_folder() {
    PWSTR wide = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_ProgramData, 0, nullptr, &wide))) return {};
    std::string folder;
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size > 1) {
        folder.resize(static_cast<std::size_t>(size));
        WideCharToMultiByte(CP_ACP, 0, wide, -1, folder.data(), size, nullptr, nullptr);
        folder.resize(static_cast<std::size_t>(size - 1));
    }
    CoTaskMemFree(wide);
    return folder;
}

int thread_ui_language() {
    return static_cast<int>(GetThreadUILanguage());
}

bool shell_open(const std::string& path) {
    const HINSTANCE result = ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // ShellExecute reports success with a value above 32.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace vane::win32
