// The profile collection of vanedesk, backed by "settings.ini". One object
// per process; every change is written to the file at once.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "CSetting.h"

namespace vane {

class CSettings {
public:
    // Ordered by a byte-wise, case-sensitive comparison of the names.
    using Map = std::map<std::string, std::unique_ptr<CSetting>>;

    // The profile that holds the parameters in use.
    static constexpr const char* kCurrentSetting = "PM_CurrentSetting";

    CSettings() = default;
    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;
    ~CSettings();

    void SetPath(std::string path) { path_ = std::move(path); }
    const std::string& Path() const { return path_; }

    // Replaces the profiles with those of the file and makes sure that
    // kCurrentSetting exists (creating it with the defaults and saving when
    // it does not). Always true.
    bool Load();
    // Rewrites the whole file from the profiles. The text goes to a temporary
    // file beside it that then replaces the file, so a failed save leaves the
    // old file whole. False when the file cannot be written.
    bool Save() const;
    // The profile of that name (surrounding blanks ignored, case-sensitive),
    // or null; the collection keeps ownership.
    CSetting* Find(const std::string& name) const;
    // Trims the profile's name, then adds it or replaces the profile of that
    // name, and saves (the save result is not passed on). False, with nothing
    // stored, for a name that is empty once trimmed or that holds a line break:
    // the file could not carry it.
    bool Store(std::unique_ptr<CSetting> setting);
    // Deletes every profile.
    void Clear() { profiles_.clear(); }

    // The profiles in file order.
    const Map& Profiles() const { return profiles_; }
    // The file text the profiles make.
    std::string Text() const;

private:
    std::string path_;
    Map profiles_;
};

}  // namespace vane
