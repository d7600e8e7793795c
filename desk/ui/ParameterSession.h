// The current parameters of the run and the profile flows around the
// Parameters dialog: Settings, Save and Load.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "CSetting.h"
#include "CSettings.h"
#include "ParametersView.h"
#include "frame/MessageIds.h"

namespace vane::desk {

class ParameterSession {
public:
    explicit ParameterSession(CSettings& settings) : settings_(settings) {}
    ~ParameterSession();

    // Starts from "PM_CurrentSetting", runs showDialog (true for OK) and on
    // OK stores the current parameters into "PM_CurrentSetting" and saves the
    // file. Cancel keeps whatever Save and Load put into the parameters.
    void SettingsFlow(const std::function<bool()>& showDialog);
    // Save button: reads the controls, asks for a name and stores a profile.
    void Save(ParametersView& view);
    // Load button: lets the user pick a profile and copies its values.
    void Load(ParametersView& view);

    // Profile names for the Load list: all but "PM_CurrentSetting", in the
    // collection's order.
    std::vector<std::string> LoadableNames() const;

    CSetting& Current() { return current_; }
    const CSetting& Current() const { return current_; }
    const std::string& CurrentProfileName() const { return currentName_; }
    CSettings& Settings() { return settings_; }

private:
    CSettings& settings_;
    CSetting current_;
    std::string currentName_;
};

}  // namespace vane::desk
