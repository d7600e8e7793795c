// vanedesk.exe itself under Wine: the check actions end with their exit
// codes, and dialog mode opens the main dialog in the asked language with
// the command-line document, prints the library's banner on About, keeps its
// profiles in the common application-data folder and ends with 0 on close.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "WinShell.h"

namespace vane::test {
namespace {

std::wstring program_path() {
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring directory(path, length);
    directory.resize(directory.find_last_of(L'\\') + 1);
    return directory + L"vanedesk.exe";
}

class Program {
public:
    explicit Program(const std::wstring& arguments) {
        std::wstring commandLine = L"\"" + program_path() + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process_) != FALSE;
    }
    ~Program() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool Started() const { return started_; }

    // The exit code once the program has ended within timeout; -1 when it has not.
    long ExitCode(DWORD timeout = 30000) const {
        if (WaitForSingleObject(process_.hProcess, timeout) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<long>(code);
    }

    // The program's visible top-level window titled "Folivane", waiting up to 30 s.
    HWND MainWindow() const {
        for (int tries = 0; tries < 300; ++tries) {
            Search search{process_.dwProcessId, nullptr};
            EnumWindows(Find, reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr) return search.found;
            if (WaitForSingleObject(process_.hProcess, 100) == WAIT_OBJECT_0) return nullptr;
        }
        return nullptr;
    }

private:
    struct Search {
        DWORD process;
        HWND found;
    };
    static BOOL CALLBACK Find(HWND window, LPARAM data) {
        auto* search = reinterpret_cast<Search*>(data);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t title[32] = {};
        GetWindowTextW(window, title, 32);
        if (process != search->process || !IsWindowVisible(window) || std::wstring(title) != L"Folivane")
            return TRUE;
        search->found = window;
        return FALSE;
    }

    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

std::string utf8(const std::wstring& text) {
    std::string out(text.size() * 3 + 1, '\0');
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(),
                                         static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(size > 0 ? static_cast<std::size_t>(size - 1) : 0);
    return out;
}

std::wstring text_of(HWND window) {
    wchar_t text[4096] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

TEST(WinDeskProgram, CheckActionsEndWithTheirExitCodes) {
    struct Case {
        const wchar_t* arguments;
        long exitCode;
    };
    // Neither Word nor Distiller can be installed here.
    const Case cases[] = {
        {L"-checkwinword", 0},
        {L"-checkdistiller", 1},
        {L"-checkwinword -language FRENCH", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(utf8(c.arguments));
        Program program(c.arguments);
        ASSERT_TRUE(program.Started());
        EXPECT_EQ(program.ExitCode(), c.exitCode);
    }
}

TEST(WinDeskProgram, DialogModeShowsTheDocumentAndPrintsTheBannerOnAbout) {
    struct Case {
        const wchar_t* language;
        const wchar_t* start;
    };
    const Case cases[] = {
        {L"ENGLISH", L"Start"},
        {L"FRENCH", L"D\u00e9marrer"},
    };
    const std::string settings = win32::common_data_folder() + "\\Folivane\\Settings\\settings.ini";
    for (const Case& c : cases) {
        SCOPED_TRACE(utf8(c.language));
        Program program(std::wstring(L"-language ") + c.language + L" C:\\Docs\\report.doc");
        ASSERT_TRUE(program.Started());
        HWND window = program.MainWindow();
        ASSERT_NE(window, nullptr);

        EXPECT_EQ(text_of(GetDlgItem(window, 1003)), c.start);
        HWND field = GetDlgItem(GetDlgItem(window, 1002), 12345);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(text_of(field), L"C:\\Docs\\report.doc");
        EXPECT_EQ(SendMessageW(GetDlgItem(window, 1004), BM_GETCHECK, 0, 0), BST_CHECKED);

        // The window-menu item About: the library's banner in the log pane.
        SendMessageTimeoutW(window, WM_SYSCOMMAND, 16, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
        const std::wstring log = text_of(GetDlgItem(window, 1000));
        EXPECT_EQ(log.rfind(L"Folivane", 0), 0u) << utf8(log);
        EXPECT_NE(log.find(L"2.08"), std::wstring::npos) << utf8(log);

        EXPECT_TRUE(std::filesystem::is_regular_file(settings)) << settings;
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.ExitCode(), 0);
    }
}

}  // namespace
}  // namespace vane::test
