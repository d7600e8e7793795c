#include "discovery/Registry.h"

#include <utility>

namespace vane {

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : owner_(std::exchange(other.owner_, nullptr)),
      handle_(std::exchange(other.handle_, 0)),
      view_(other.view_) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        close();
        owner_ = std::exchange(other.owner_, nullptr);
        handle_ = std::exchange(other.handle_, 0);
        view_ = other.view_;
    }
    return *this;
}

void RegistryKey::close() {
    if (owner_ != nullptr) std::exchange(owner_, nullptr)->closeKey(std::exchange(handle_, 0));
}

namespace {

Registry* installed = nullptr;

#if !defined(_WIN32)
// Systems without a registry: every open fails, so every registry search ends at once.
class NoRegistry final : public Registry {
public:
    RegistryKey openMachineKey(const std::string&, RegistryView) override { return {}; }
    RegistryKey openSubkey(const RegistryKey&, const std::string&) override { return {}; }
    std::optional<std::string> subkeyName(const RegistryKey&, unsigned) override { return {}; }
    std::optional<std::string> readString(const RegistryKey&, const std::string&) override { return {}; }

protected:
    void closeKey(std::uintptr_t) override {}
};
#endif

}  // namespace

#if !defined(_WIN32)
Registry& Registry::platform() {
    static NoRegistry instance;
    return instance;
}
#endif

Registry& registry() {
    return installed != nullptr ? *installed : Registry::platform();
}

void set_registry(Registry* replacement) {
    installed = replacement;
}

}  // namespace vane
