#include "TestRegistryKey.h"

#include <stdexcept>

namespace vane::test {

TestRegistryKey::TestRegistryKey(const std::string& unique, const std::string& relative, REGSAM viewFlag)
    : unique_(unique), path_(root(unique) + "\\" + relative), view_(viewFlag) {
    RegCloseKey(create(path_));
}

TestRegistryKey::~TestRegistryKey() {
    HKEY parent = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\FolivaneTest", 0, KEY_ALL_ACCESS | view_, &parent) ==
        ERROR_SUCCESS) {
        RegDeleteTreeA(parent, unique_.c_str());
        RegCloseKey(parent);
    }
}

std::string TestRegistryKey::root(const std::string& unique) {
    return "SOFTWARE\\FolivaneTest\\" + unique;
}

HKEY TestRegistryKey::create(const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create registry key " + path);
    }
    return key;
}

void TestRegistryKey::addSubkey(const std::string& name, const std::string& valueName,
                                const std::string& value) {
    HKEY key = create(path_ + "\\" + name);
    if (!valueName.empty()) {
        RegSetValueExA(key, valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    }
    RegCloseKey(key);
}

void TestRegistryKey::addDword(const std::string& subkey, const std::string& valueName, DWORD value) {
    HKEY key = create(path_ + "\\" + subkey);
    RegSetValueExA(key, valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

}  // namespace vane::test
