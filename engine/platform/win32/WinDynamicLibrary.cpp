#include "platform/win32/WinDynamicLibrary.h"

namespace vane {

std::unique_ptr<WinDynamicLibrary> WinDynamicLibrary::open(const std::string& path) {
    if (path.empty()) return nullptr;
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) return nullptr;
    return std::unique_ptr<WinDynamicLibrary>(new WinDynamicLibrary(module));
}

WinDynamicLibrary::~WinDynamicLibrary() {
    FreeLibrary(module_);
}

void* WinDynamicLibrary::symbol(const std::string& name) {
    return reinterpret_cast<void*>(GetProcAddress(module_, name.c_str()));
}

std::string module_directory() {
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCSTR>(&module_directory), &self)) {
        return {};
    }
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(self, path, sizeof path);
    if (length == 0 || length >= sizeof path) return {};
    std::string directory(path, length);
    const std::size_t slash = directory.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : directory.substr(0, slash);
}

}  // namespace vane
