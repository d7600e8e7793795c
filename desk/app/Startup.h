// Start-up of vanedesk up to the point where either an action runs or the
// main dialog opens: command line, language, and the profiles of dialog mode.
#pragma once

#include <string>

#include "Actions.h"
#include "CCustomCommandLineInfo.h"
#include "CSetting.h"
#include "CSettings.h"
#include "MessageCatalog.h"
#include "VaneCoreApi.h"

namespace vane::desk {

struct StartupChoice {
    CCustomCommandLineInfo commandLine;
    catalog::Language language = catalog::Language::English;
    Action action = Action::Dialog;
};

// The language of the "language" option ("FRENCH" or "ENGLISH" exactly);
// otherwise the one the environment asks for.
catalog::Language choose_language(const CCustomCommandLineInfo& commandLine);

// Parses the command line, chooses the language and makes it the catalogue's
// current language, and chooses the action.
StartupChoice begin_startup(int argc, const char* const argv[]);

// The folder of the program file, without the trailing "/".
std::string program_folder(const std::string& programPath);

// Runs the chosen action and returns the exit code (uninstall removes the
// program's data folder).
int run_unattended(const StartupChoice& choice, VaneCoreApi& core);

// Dialog mode: sets the profile file path, loads the profiles and copies the
// values of "PM_CurrentSetting" into current.
void load_profiles(CSettings& settings, const std::string& programFolder, CSetting& current);

}  // namespace vane::desk
