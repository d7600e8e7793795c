// A machine-wide registry key that a test writes, under a name no other test
// uses, in one registry view; deleted with everything under it when the
// object goes away.
#pragma once

#include <windows.h>

#include <string>

namespace vane::test {

class TestRegistryKey {
public:
    // Creates HKLM\SOFTWARE\FolivaneTest\<unique>\<relative> in the view given
    // by `viewFlag` (KEY_WOW64_64KEY or KEY_WOW64_32KEY).
    TestRegistryKey(const std::string& unique, const std::string& relative, REGSAM viewFlag);
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;
    ~TestRegistryKey();

    // The path below HKLM of the unique root ("SOFTWARE\FolivaneTest\<unique>").
    static std::string root(const std::string& unique);
    const std::string& path() const { return path_; }

    // Creates the subkey `name` (and its parents) and, unless `value` is
    // empty, the string value `valueName` in it.
    void addSubkey(const std::string& name, const std::string& valueName = {}, const std::string& value = {});
    void addDword(const std::string& subkey, const std::string& valueName, DWORD value);

private:
    HKEY create(const std::string& relative);
    std::string unique_;
    std::string path_;
    REGSAM view_;
};

}  // namespace vane::test
