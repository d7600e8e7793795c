// Where vanedesk keeps its data: the common application-data folder stands
// for $XDG_CONFIG_HOME, else ~/.config; the program's folder is "Folivane"
// in it, and the profile file is "Settings/settings.ini" in that.
#pragma once

#include <string>

namespace vane::settings {

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config when HOME
// is an absolute path; empty when neither resolves.
std::string common_data_folder();
// common_data_folder() + "/Folivane"; empty when that folder does not resolve.
std::string program_data_folder();
// The path of "settings.ini". Creates the folders "Folivane" and "Settings"
// when missing (failures are not reported: the later save fails instead).
// When no data folder resolves: the parent of programFolder +
// "/Settings/settings.ini".
std::string settings_path(const std::string& programFolder);

}  // namespace vane::settings
