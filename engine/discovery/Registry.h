// Read-only access to the machine-wide registry hive, behind an interface so
// that the producer searches run unchanged against a fake in tests. Keys are
// owned by RegistryKey and closed when it goes away.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vane {

// Which registry view a key is opened in (the 64-bit and 32-bit views of a
// 64-bit system, or the caller's own).
enum class RegistryView { Bits64, Bits32, Default };

class Registry;

// An open key; empty when the open failed. Move-only, closes on destruction.
class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(Registry& owner, std::uintptr_t handle, RegistryView view)
        : owner_(&owner), handle_(handle), view_(view) {}
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() { close(); }

    explicit operator bool() const { return owner_ != nullptr; }
    std::uintptr_t handle() const { return handle_; }
    RegistryView view() const { return view_; }
    void close();

private:
    Registry* owner_ = nullptr;
    std::uintptr_t handle_ = 0;
    RegistryView view_ = RegistryView::Default;
};

class Registry {
public:
    virtual ~Registry() = default;

    // Opens `path` under the machine-wide hive for reading, in `view`.
    virtual RegistryKey openMachineKey(const std::string& path, RegistryView view) = 0;
    // Opens the subkey `name` of `parent` for querying values, in the parent's view.
    virtual RegistryKey openSubkey(const RegistryKey& parent, const std::string& name) = 0;
    // Name of the subkey at `index` in enumeration order; nothing once enumeration fails.
    virtual std::optional<std::string> subkeyName(const RegistryKey& key, unsigned index) = 0;
    // A string value of `key`; nothing when it is missing or not a string.
    virtual std::optional<std::string> readString(const RegistryKey& key, const std::string& name) = 0;

    // The system's registry (on systems without one, a registry where no key opens).
    static Registry& platform();

protected:
    friend class RegistryKey;
    virtual void closeKey(std::uintptr_t handle) = 0;
};

// The registry the searches use: the platform's unless a test installed another.
Registry& registry();
// Installs `replacement` (not owned; null restores the platform's).
void set_registry(Registry* replacement);

}  // namespace vane
