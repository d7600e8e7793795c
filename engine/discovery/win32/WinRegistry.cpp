#include "discovery/win32/WinRegistry.h"

#include <windows.h>

#include <vector>

namespace vane {

namespace {

REGSAM view_flag(RegistryView view) {
    switch (view) {
        case RegistryView::Bits64:
            return KEY_WOW64_64KEY;
        case RegistryView::Bits32:
            return KEY_WOW64_32KEY;
        case RegistryView::Default:
            break;
    }
    return 0;
}

HKEY to_hkey(std::uintptr_t handle) {
    return reinterpret_cast<HKEY>(handle);
}

}  // namespace

Registry& Registry::platform() {
    static WinRegistry instance;
    return instance;
}

RegistryKey WinRegistry::openMachineKey(const std::string& path, RegistryView view) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view_flag(view), &key) !=
        ERROR_SUCCESS) {
        return {};
    }
    return RegistryKey(*this, reinterpret_cast<std::uintptr_t>(key), view);
}

RegistryKey WinRegistry::openSubkey(const RegistryKey& parent, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(to_hkey(parent.handle()), name.c_str(), 0, KEY_QUERY_VALUE | view_flag(parent.view()),
                      &key) != ERROR_SUCCESS) {
        return {};
    }
    return RegistryKey(*this, reinterpret_cast<std::uintptr_t>(key), parent.view());
}

std::optional<std::string> WinRegistry::subkeyName(const RegistryKey& key, unsigned index) {
    char name[1024];
    DWORD size = sizeof name;
    if (RegEnumKeyExA(to_hkey(key.handle()), index, name, &size, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
        return {};
    }
    return std::string(name, size);
}

std::optional<std::string> WinRegistry::readString(const RegistryKey& key, const std::string& name) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(to_hkey(key.handle()), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return {};
    }
    std::vector<char> buffer(size + 1, '\0');
    if (RegQueryValueExA(to_hkey(key.handle()), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        return {};
    }
    buffer[size] = '\0';
    return std::string(buffer.data());
}

void WinRegistry::closeKey(std::uintptr_t handle) {
    RegCloseKey(to_hkey(handle));
}

}  // namespace vane
