#include "Startup.h"

#include "SettingsLocation.h"

namespace vane::desk {

catalog::Language choose_language(const CCustomCommandLineInfo& commandLine) {
    catalog::Language language = catalog::Language::English;
    if (catalog::parse_language(commandLine.language, language)) return language;
    return catalog::language_from_environment();
}

StartupChoice begin_startup(int argc, const char* const argv[]) {
    StartupChoice choice;
    choice.commandLine.ParseCommandLine(argc, argv);
    choice.language = choose_language(choice.commandLine);
    catalog::set_current_language(choice.language);
    choice.action = choose_action(choice.commandLine);
    return choice;
}

std::string program_folder(const std::string& programPath) {
    const std::size_t slash = programPath.find_last_of('/');
    return slash == std::string::npos ? std::string() : programPath.substr(0, slash);
}

int run_unattended(const StartupChoice& choice, VaneCoreApi& core) {
    return run_action(choice.action, core, settings::program_data_folder());
}

void load_profiles(CSettings& settings, const std::string& programFolder, CSetting& current) {
    settings.SetPath(settings::settings_path(programFolder));
    settings.Load();
    if (const CSetting* stored = settings.Find(CSettings::kCurrentSetting)) current.CopyValues(*stored);
}

}  // namespace vane::desk
