// The settings reader: the input is a "settings.ini". The profiles it loads
// must survive a save and a second load unchanged, within their bounds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "CSettings.h"
#include "FuzzSupport.h"
#include "IniFile.h"

using vane::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vane::settings::IniFile ini = vane::settings::IniFile::parse(text);
    for (const char* section : {"Setting1", "setting2", "PM_CurrentSetting"})
        for (const char* key : {"Name", "HeadingLevel", "UseHome"})
            if (const auto value = ini.value(section, key))
                require(value->size() <= vane::settings::IniFile::kValueMax, "value longer than its limit");

    const std::string path = vane::fuzz::temp_dir() + "/settings.ini";
    if (!vane::fuzz::write_bytes(path, data, size)) return 0;
    vane::CSettings first;
    first.SetPath(path);
    first.Load();
    require(first.Find(vane::CSettings::kCurrentSetting) != nullptr, "no current profile after loading");
    for (const auto& [name, setting] : first.Profiles()) {
        require(!name.empty() && name == setting->Name, "profile stored under another name");
        require(setting->HeadingLevel >= 0 && setting->HeadingLevel <= vane::CSetting::kHeadingLevelMax,
                "heading level out of range");
        require(
            setting->HeadingLevelPdf >= 0 && setting->HeadingLevelPdf <= vane::CSetting::kHeadingLevelPdfMax,
            "PDF heading level out of range");
        require(setting->IndexWidth >= 0 && setting->IndexWidth <= vane::CSetting::kIndexWidthMax,
                "index width out of range");
        require(setting->SkipHeadings >= 0 && setting->SkipHeadings <= vane::CSetting::kSkipHeadingsMax,
                "skip count out of range");
    }
    require(first.Save(), "saving failed");
    vane::CSettings second;
    second.SetPath(path);
    second.Load();
    require(second.Text() == first.Text(), "profiles changed through a save and a load");
    vane::fuzz::clear_temp_dir();
    return 0;
}
