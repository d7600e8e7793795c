#include "CSettings.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "IniFile.h"
#include "SettingsText.h"

namespace vane {

using settings::IniFile;

namespace {

// The number a key holds, bounded to 0..max; an empty value keeps the default.
int read_number(const IniFile& file, const std::string& section, const char* key, int defaultValue, int max) {
    const std::string value = file.value(section, key, std::to_string(defaultValue));
    if (value.empty()) return defaultValue;
    return std::clamp(settings::parse_int(value), 0, max);
}

// True for "yes" in any letter case; an empty value keeps the default (yes).
bool read_yes_no(const IniFile& file, const std::string& section, const char* key) {
    const std::string value = file.value(section, key, "yes");
    if (value.empty()) return true;
    return settings::to_lower(settings::trim(value)) == "yes";
}

// The options added after the first profiles: a file written before them has
// no such key, and they stay off; only "yes" in any letter case turns one on.
bool read_option(const IniFile& file, const std::string& section, const char* key) {
    return settings::to_lower(settings::trim(file.value(section, key, "no"))) == "yes";
}

const char* yes_no(bool value) {
    return value ? "yes" : "no";
}

}  // namespace

CSettings::~CSettings() = default;

bool CSettings::Load() {
    Clear();
    const IniFile file = IniFile::load(path_);
    for (int n = 1;; ++n) {
        const std::string section = "Setting" + std::to_string(n);
        const std::string rawName = file.value(section, "Name", "");
        if (rawName.empty()) break;
        auto setting = std::make_unique<CSetting>(settings::trim(rawName));
        if (setting->Name.empty()) continue;
        if (profiles_.contains(setting->Name)) continue;  // the first section with a name wins
        setting->HeadingLevel = read_number(file, section, "HeadingLevel", 5, CSetting::kHeadingLevelMax);
        setting->HeadingLevelPdf =
            read_number(file, section, "HeadingLevelPdf", 5, CSetting::kHeadingLevelPdfMax);
        setting->IndexWidth = read_number(file, section, "IndexWidth", 200, CSetting::kIndexWidthMax);
        setting->SkipHeadings = read_number(file, section, "SkipHeadings", 0, CSetting::kSkipHeadingsMax);
        setting->InternalLinks = read_yes_no(file, section, "InternalLinks");
        setting->OpenBookmarks = read_yes_no(file, section, "OpenBookmarks");
        setting->UseHome = read_yes_no(file, section, "UseHome");
        setting->AllHeadingsHtml = read_option(file, section, "AllHeadingsHtml");
        setting->AllHeadingsPdf = read_option(file, section, "AllHeadingsPdf");
        setting->CrossReferences = read_option(file, section, "CrossReferences");
        std::string key = setting->Name;
        profiles_.emplace(std::move(key), std::move(setting));
    }
    if (!profiles_.contains(kCurrentSetting)) {
        profiles_.emplace(kCurrentSetting, std::make_unique<CSetting>(kCurrentSetting));
        Save();
    }
    return true;
}

std::string CSettings::Text() const {
    std::string text;
    int number = 1;
    for (const auto& [name, setting] : profiles_) {
        text += "[Setting" + std::to_string(number++) + "]\r\n";
        text += "Name=" + setting->Name + "\r\n";
        text += "HeadingLevel=" + std::to_string(setting->HeadingLevel) + "\r\n";
        text += "HeadingLevelPdf=" + std::to_string(setting->HeadingLevelPdf) + "\r\n";
        text += "IndexWidth=" + std::to_string(setting->IndexWidth) + "\r\n";
        text += std::string("InternalLinks=") + yes_no(setting->InternalLinks) + "\r\n";
        text += std::string("OpenBookmarks=") + yes_no(setting->OpenBookmarks) + "\r\n";
        text += "SkipHeadings=" + std::to_string(setting->SkipHeadings) + "\r\n";
        text += std::string("UseHome=") + yes_no(setting->UseHome) + "\r\n";
        // After the keys every reader knows, so that an older reader finds
        // those as before and passes over these.
        text += std::string("AllHeadingsHtml=") + yes_no(setting->AllHeadingsHtml) + "\r\n";
        text += std::string("AllHeadingsPdf=") + yes_no(setting->AllHeadingsPdf) + "\r\n";
        text += std::string("CrossReferences=") + yes_no(setting->CrossReferences) + "\r\n";
        text += "\r\n";
    }
    return text;
}

bool CSettings::Save() const {
    if (path_.empty()) return false;
    const std::string text = Text();
    const std::string temporary = path_ + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    std::error_code ec;
    if (written && closed) {
        std::filesystem::rename(temporary, path_, ec);
        if (!ec) return true;
    }
    std::filesystem::remove(temporary, ec);
    return false;
}

CSetting* CSettings::Find(const std::string& name) const {
    const auto found = profiles_.find(settings::trim(name));
    return found == profiles_.end() ? nullptr : found->second.get();
}

bool CSettings::Store(std::unique_ptr<CSetting> setting) {
    if (setting == nullptr) return false;
    setting->Name = settings::trim(setting->Name);
    if (setting->Name.empty() || setting->Name.find_first_of("\r\n") != std::string::npos) return false;
    const auto found = profiles_.find(setting->Name);
    if (found == profiles_.end()) {
        std::string key = setting->Name;
        profiles_.emplace(std::move(key), std::move(setting));
    } else if (found->second.get() == setting.get()) {
        setting.release();  // already ours: the map keeps it
    } else {
        found->second = std::move(setting);
    }
    Save();
    return true;
}

}  // namespace vane
