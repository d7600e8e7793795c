#include "discovery/RegistrySearch.h"

#include <algorithm>
#include <cctype>

#include "discovery/ProducerPaths.h"

namespace vane {

namespace {

constexpr std::size_t kMaxSubkeyName = 1023;   // longer names end the enumeration
constexpr std::size_t kMaxValueLength = 1022;  // 1023 bytes with the terminator

RegistryKey open_producer_key(Registry& registry, const std::string& path) {
    for (RegistryView view : {RegistryView::Bits64, RegistryView::Bits32, RegistryView::Default}) {
        if (RegistryKey key = registry.openMachineKey(path, view)) return key;
    }
    return {};
}

std::string forward_to_backslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Position just after the first "\bin" path component, any case; npos when none.
std::size_t end_of_bin_folder(const std::string& path) {
    static const std::string kBin = "\\bin";
    for (std::size_t at = 0; at + kBin.size() <= path.size(); ++at) {
        bool same = true;
        for (std::size_t i = 0; i < kBin.size() && same; ++i) {
            same = std::tolower(static_cast<unsigned char>(path[at + i])) == kBin[i];
        }
        const std::size_t end = at + kBin.size();
        if (same && (end == path.size() || path[end] == '\\')) return end;
    }
    return std::string::npos;
}

}  // namespace

double version_number(const std::string& name) {
    double value = 0;
    std::size_t i = 0;
    while (i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])))
        value = value * 10 + (name[i++] - '0');
    if (i < name.size() && name[i] == '.') {
        double scale = 0.1;
        for (++i; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i, scale /= 10) {
            value += (name[i] - '0') * scale;
        }
    }
    return value;
}

std::optional<std::string> choose_version_subkey(Registry& registry, const RegistryKey& key) {
    std::optional<std::string> chosen;
    for (unsigned index = 0;; ++index) {
        std::optional<std::string> name = registry.subkeyName(key, index);
        if (!name || name->size() > kMaxSubkeyName) break;
        if (version_number(*name) > 0) chosen = std::move(name);
    }
    return chosen;
}

std::optional<std::string> read_version_value(Registry& registry, const std::string& keyPath,
                                              const std::string& valueName) {
    RegistryKey key = open_producer_key(registry, keyPath);
    if (!key) return {};
    const std::optional<std::string> version = choose_version_subkey(registry, key);
    if (!version) return {};
    RegistryKey subkey = registry.openSubkey(key, *version);
    if (!subkey) return {};
    std::optional<std::string> value = registry.readString(subkey, valueName);
    if (!value || value->size() > kMaxValueLength) return {};
    return value;
}

bool search_ghostscript_in_registry(Registry& registry, const FileProbe& exists) {
    const std::optional<std::string> library = read_version_value(registry, kGhostscriptKey, "GS_DLL");
    if (!library) return false;
    // Separators are unified first so that a value written with "/" is found too.
    const std::string value = forward_to_backslashes(*library);
    const std::size_t end = end_of_bin_folder(value);
    if (end == std::string::npos) return false;
    const std::string folder = value.substr(0, end);
    std::string& path = producer_paths().ghostscript;
    path = folder + "\\gswin32c.exe";
    if (exists(path)) return true;
    path = folder + "\\gswin64c.exe";
    return exists(path);
}

bool search_distiller_in_registry(Registry& registry, const FileProbe& exists) {
    const std::optional<std::string> folder = read_version_value(registry, kDistillerKey, "InstallPath");
    if (!folder) return false;
    std::string& path = producer_paths().distiller;
    path = forward_to_backslashes(*folder) + "\\acrodist.exe";
    return exists(path);
}

}  // namespace vane
