// An in-memory registry: keys per view, subkeys in the order they were added,
// string values; counts opens and the handles still open.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "discovery/Registry.h"

namespace vane::test {

class FakeRegistry final : public Registry {
public:
    // Adds the key `path` in `view` (with its parents listing it as a subkey).
    void addKey(RegistryView view, const std::string& path);
    // Lists `name` as a subkey of `parent` without creating it: opening it fails.
    void listSubkey(RegistryView view, const std::string& parent, const std::string& name);
    void setString(RegistryView view, const std::string& path, const std::string& name,
                   const std::string& value);

    int openHandles() const { return static_cast<int>(handles_.size()); }
    int opens() const { return opens_; }

    RegistryKey openMachineKey(const std::string& path, RegistryView view) override;
    RegistryKey openSubkey(const RegistryKey& parent, const std::string& name) override;
    std::optional<std::string> subkeyName(const RegistryKey& key, unsigned index) override;
    std::optional<std::string> readString(const RegistryKey& key, const std::string& name) override;

protected:
    void closeKey(std::uintptr_t handle) override;

private:
    struct Node {
        std::vector<std::string> subkeys;
        std::map<std::string, std::string> values;
    };
    using Address = std::pair<RegistryView, std::string>;

    RegistryKey open(RegistryView view, const std::string& path);
    const Node* node(const RegistryKey& key) const;

    std::map<Address, Node> nodes_;
    std::map<std::uintptr_t, Address> handles_;
    std::uintptr_t nextHandle_ = 0x100;
    int opens_ = 0;
};

}  // namespace vane::test
