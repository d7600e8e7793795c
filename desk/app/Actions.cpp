#include "Actions.h"

#include "DataFolderRemoval.h"
#include "MessageCatalog.h"
#include "OutputCallbacks.h"

namespace vane::desk {

namespace {

// Calls an export with an argument vector made of strings that live for the call.
template <typename Export>
int call_with(std::vector<std::string> arguments, Export&& function) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    return function(static_cast<int>(arguments.size()), argv.data());
}

}  // namespace

Action choose_action(const CCustomCommandLineInfo& commandLine) {
    if (commandLine.install) return Action::Install;
    if (commandLine.uninstall) return Action::Uninstall;
    if (commandLine.checkGhostscript) return Action::CheckGhostscript;
    if (commandLine.checkDistiller) return Action::CheckDistiller;
    if (commandLine.checkWord) return Action::CheckWord;
    return Action::Dialog;
}

std::vector<std::string> install_arguments() {
    return {"install_printer", "-p", kPrinterName, "-d", kPrinterDrivers};
}

std::vector<std::string> uninstall_arguments() {
    return {"uninstall_printer", "-p", kPrinterName};
}

int run_action(Action action, VaneCoreApi& core, const std::string& dataFolder) {
    switch (action) {
        case Action::Dialog:
            return 0;
        case Action::Install: {
            core.InitLib(message_box_output, catalog::copy_message, nullptr);
            const int result = call_with(
                install_arguments(), [&](int argc, char** argv) { return core.install_printer(argc, argv); });
            return result == 0 ? 0 : 1;
        }
        case Action::Uninstall: {
            core.InitLib(log_output, catalog::copy_message, nullptr);
            const int result = call_with(uninstall_arguments(), [&](int argc, char** argv) {
                return core.uninstall_printer(argc, argv);
            });
            if (result == 0) remove_data_folder(dataFolder);
            return 0;
        }
        case Action::CheckGhostscript:
            core.InitLib(log_output, catalog::copy_message, nullptr);
            return core.check_ghostscript() ? 0 : 1;
        case Action::CheckDistiller:
            core.InitLib(log_output, catalog::copy_message, nullptr);
            return core.check_distiller() ? 0 : 1;
        case Action::CheckWord: {
            core.InitLib(log_output, catalog::copy_message, nullptr);
            const int version = core.check_winword();
            return version > 0 ? version : 0;  // a failure code is "not available", not an exit status
        }
    }
    return 0;
}

}  // namespace vane::desk
