// vanedesk for Windows: runs one unattended action chosen on the command
// line, or opens the main dialog.
// windows.h first: commctrl.h builds on it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Actions.h"
#include "CSettings.h"
#include "CoreFunctions.h"
#include "CvanedeskDlg.h"
#include "LinkedVaneCore.h"
#include "MessageBoxPrompter.h"
#include "MessageCatalog.h"
#include "OutputCallbacks.h"
#include "ParameterSession.h"
#include "ShellOpener.h"
#include "Startup.h"
#include "ThreadLanguage.h"
#include "WinShell.h"
#include "WinText.h"

namespace {

using namespace vane;
using namespace vane::desk;

// The folder of the program file, without the trailing backslash.
std::string program_folder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    const std::size_t slash = folder.find_last_of(L'\\');
    return wide_to_path(slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash));
}

// "Folivane" in the common application-data folder; empty when that folder is unknown.
std::string data_folder() {
    const std::string common = win32::common_data_folder();
    return common.empty() ? common : common + "\\Folivane";
}

// "Folivane\Settings\settings.ini" in the common application-data folder,
// the folders made when missing; beside the program's folder when the data
// folder is unknown.
std::string settings_file() {
    std::string folder = data_folder();
    if (folder.empty()) {
        const std::string program = program_folder();
        const std::size_t slash = program.find_last_of('\\');
        folder = slash == std::string::npos ? std::string() : program.substr(0, slash);
    }
    std::error_code ec;
    std::filesystem::create_directories(folder + "\\Settings", ec);
    return folder + "\\Settings\\settings.ini";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    StartupChoice choice = begin_startup(__argc, __argv);
    choose_thread_language(choice.commandLine.language);
    LinkedVaneCore core;

    if (choice.action != Action::Dialog) {
        // The install action reports through message boxes.
        set_message_box([](const std::string& text) {
            std::wstring shown = widen(text);
            while (!shown.empty() && (shown.front() == L'\r' || shown.front() == L'\n')) shown.erase(0, 1);
            MessageBoxW(nullptr, shown.c_str(), L"Folivane", MB_OK);
        });
        const int exitCode = run_action(choice.action, core, data_folder());
        set_message_box({});
        return exitCode;
    }

    CSettings settings;
    ParameterSession session(settings);
    settings.SetPath(settings_file());
    settings.Load();
    if (const CSetting* stored = settings.Find(CSettings::kCurrentSetting))
        session.Current().CopyValues(*stored);

    MessageBoxPrompter prompter;
    ShellOpener opener;
    CvanedeskDlg dialog(session, linked_core_functions(), prompter, opener);
    dialog.SetCommandLineDocument(choice.commandLine.document);
    core.InitLib(log_output, catalog::copy_message, nullptr);
    dialog.DoModal(nullptr);
    return 0;
}
