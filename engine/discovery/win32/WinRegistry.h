// The Windows registry, machine-wide hive, read-only.
#pragma once

#include "discovery/Registry.h"

namespace vane {

class WinRegistry final : public Registry {
public:
    RegistryKey openMachineKey(const std::string& path, RegistryView view) override;
    RegistryKey openSubkey(const RegistryKey& parent, const std::string& name) override;
    std::optional<std::string> subkeyName(const RegistryKey& key, unsigned index) override;
    std::optional<std::string> readString(const RegistryKey& key, const std::string& name) override;

protected:
    void closeKey(std::uintptr_t handle) override;
};

}  // namespace vane
