#include "SettingsLocation.h"

#include <cstdlib>
#include <filesystem>

namespace vane::settings {

namespace {

bool absolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

}  // namespace

std::string common_data_folder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (absolute(config)) return config;
    const char* home = std::getenv("HOME");
    if (absolute(home)) {
        std::string folder = home;
        if (folder.back() != '/') folder += '/';
        return folder + ".config";
    }
    return std::string();
}

std::string program_data_folder() {
    std::string common = common_data_folder();
    if (common.empty()) return common;
    if (common.back() != '/') common += '/';
    return common + "Folivane";
}

std::string settings_path(const std::string& programFolder) {
    const std::string data = program_data_folder();
    if (data.empty()) {
        const std::size_t slash = programFolder.find_last_of('/');
        const std::string parent =
            slash == std::string::npos ? std::string() : programFolder.substr(0, slash);
        return parent + "/Settings/settings.ini";
    }
    std::error_code ec;
    // The base folder may be missing on a fresh account, so the whole chain is made.
    std::filesystem::create_directories(data + "/Settings", ec);
    return data + "/Settings/settings.ini";
}

}  // namespace vane::settings
