// Shared pieces of the Win32 dialog tests: a stand-in for the library's
// exports that records its calls, a prompter and an opener that record what
// they were asked, and a profile collection in a temporary folder.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "CSettings.h"
#include "CoreFunctions.h"
#include "MessageBoxPrompter.h"
#include "ParameterSession.h"
#include "ResultOpener.h"
#include "TempDir.h"

namespace vane::test {

struct FakeCore {
    int wordVersion = 14;
    bool ghostscript = true;
    std::vector<std::vector<std::string>> calls;  // every d2h, d2p and display_info argument vector
    std::function<void()> duringCall;             // runs inside each conversion call
    int wordChecks = 0;

    desk::CoreFunctions Functions();
};

struct RecordingPrompter final : desk::WinPrompter {
    std::vector<std::wstring> informed;
    std::vector<std::wstring> asked;
    bool answer = true;
    void Inform(HWND, const std::wstring& text) override { informed.push_back(text); }
    bool AskYesNo(HWND, const std::wstring& text) override {
        asked.push_back(text);
        return answer;
    }
};

struct RecordingOpener final : desk::ResultOpener {
    std::vector<std::string> opened;
    void Open(const std::string& target) override { opened.push_back(target); }
};

// A loaded profile collection ("PM_CurrentSetting" only) in a temporary folder.
struct TestProfiles {
    TempDir folder;
    CSettings settings;
    desk::ParameterSession session{settings};
    TestProfiles();
};

// Answers the next modal dialog titled title: runs fill on it, then clicks
// button. A thread timer fires inside the dialog's own message loop.
class ModalAnswer {
public:
    ModalAnswer(const std::wstring& title, std::function<void(HWND)> fill, int button = IDOK);
    ~ModalAnswer();
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;
    // True once the dialog was found and answered.
    static bool Answered();

private:
    static BOOL CALLBACK Find(HWND window, LPARAM);
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
};

// The text of a window, as UTF-8.
std::string text_of(HWND window);
// Lets the thread's queued and posted messages run.
void pump_messages();

}  // namespace vane::test
