#include "FakeRegistry.h"

#include <algorithm>

namespace vane::test {

void FakeRegistry::addKey(RegistryView view, const std::string& path) {
    nodes_[{view, path}];
    const std::size_t cut = path.rfind('\\');
    if (cut != std::string::npos) listSubkey(view, path.substr(0, cut), path.substr(cut + 1));
}

void FakeRegistry::listSubkey(RegistryView view, const std::string& parent, const std::string& name) {
    auto it = nodes_.find({view, parent});
    if (it == nodes_.end()) {
        addKey(view, parent);
        it = nodes_.find({view, parent});
    }
    std::vector<std::string>& subkeys = it->second.subkeys;
    if (std::find(subkeys.begin(), subkeys.end(), name) == subkeys.end()) subkeys.push_back(name);
}

void FakeRegistry::setString(RegistryView view, const std::string& path, const std::string& name,
                             const std::string& value) {
    addKey(view, path);
    nodes_[{view, path}].values[name] = value;
}

RegistryKey FakeRegistry::open(RegistryView view, const std::string& path) {
    ++opens_;
    if (nodes_.count({view, path}) == 0) return {};
    const std::uintptr_t handle = nextHandle_++;
    handles_[handle] = {view, path};
    return RegistryKey(*this, handle, view);
}

const FakeRegistry::Node* FakeRegistry::node(const RegistryKey& key) const {
    const auto open = handles_.find(key.handle());
    if (open == handles_.end()) return nullptr;
    const auto it = nodes_.find(open->second);
    return it != nodes_.end() ? &it->second : nullptr;
}

RegistryKey FakeRegistry::openMachineKey(const std::string& path, RegistryView view) {
    return open(view, path);
}

RegistryKey FakeRegistry::openSubkey(const RegistryKey& parent, const std::string& name) {
    const auto it = handles_.find(parent.handle());
    if (it == handles_.end()) return {};
    return open(it->second.first, it->second.second + "\\" + name);
}

std::optional<std::string> FakeRegistry::subkeyName(const RegistryKey& key, unsigned index) {
    const Node* n = node(key);
    if (n == nullptr || index >= n->subkeys.size()) return {};
    return n->subkeys[index];
}

std::optional<std::string> FakeRegistry::readString(const RegistryKey& key, const std::string& name) {
    const Node* n = node(key);
    if (n == nullptr) return {};
    const auto it = n->values.find(name);
    if (it == n->values.end()) return {};
    return it->second;
}

void FakeRegistry::closeKey(std::uintptr_t handle) {
    handles_.erase(handle);
}

}  // namespace vane::test
