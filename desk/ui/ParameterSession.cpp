#include "ParameterSession.h"

#include <memory>

#include "SettingsText.h"

namespace vane::desk {

ParameterSession::~ParameterSession() = default;

void ParameterSession::SettingsFlow(const std::function<bool()>& showDialog) {
    if (const CSetting* stored = settings_.Find(CSettings::kCurrentSetting)) current_.CopyValues(*stored);
    if (!showDialog()) return;
    if (CSetting* stored = settings_.Find(CSettings::kCurrentSetting)) stored->CopyValues(current_);
    settings_.Save();
}

void ParameterSession::Save(ParametersView& view) {
    if (!view.ReadControls()) return;
    const std::optional<std::string> typed = view.AskSaveName(currentName_);
    if (!typed || settings::trim(*typed).empty()) return;
    auto profile = std::make_unique<CSetting>(*typed);
    profile->CopyValues(current_);
    if (*typed != currentName_ && settings_.Find(*typed) != nullptr && !view.ConfirmOverwrite()) return;
    // A name the file cannot carry is refused by the collection; nothing changes then.
    if (!settings_.Store(std::move(profile))) return;
    currentName_ = *typed;
    view.WriteControls();
}

void ParameterSession::Load(ParametersView& view) {
    const std::optional<std::string> chosen = view.AskLoadName(LoadableNames());
    if (!chosen || chosen->empty()) return;
    const CSetting* profile = settings_.Find(*chosen);
    if (profile == nullptr) return;
    current_.CopyValues(*profile);
    view.WriteControls();
    currentName_ = profile->Name;
}

std::vector<std::string> ParameterSession::LoadableNames() const {
    std::vector<std::string> names;
    for (const auto& [name, profile] : settings_.Profiles())
        if (name != CSettings::kCurrentSetting) names.push_back(name);
    return names;
}

}  // namespace vane::desk
