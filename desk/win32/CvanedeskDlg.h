// The main dialog (template 102): document chooser, Html/Pdf choice, Start,
// Settings, Display result and the log pane that the library writes into.
#pragma once

#include <string>

#include "CBrowseCtrl.h"
#include "CoreFunctions.h"
#include "MainDialogLogic.h"
#include "MainDialogView.h"
#include "MessageBoxPrompter.h"
#include "ParameterSession.h"
#include "ResultOpener.h"
#include "WinDialog.h"

namespace vane::desk {

class CvanedeskDlg : public WinDialog, public MainDialogView {
public:
    static constexpr int kIdLog = 1000;
    static constexpr int kIdBrowse = 1002;
    static constexpr int kIdStart = 1003;
    static constexpr int kIdHtml = 1004;
    static constexpr int kIdPdf = 1005;
    static constexpr int kIdSettings = 1006;
    static constexpr int kIdDisplayResult = 1007;
    static constexpr int kIdOutput = 1019;
    // The window-menu item "&About Folivane...".
    static constexpr UINT kIdAbout = 0x0010;
    static constexpr int kIdIcon = 128;

    static constexpr COLORREF kLogText = RGB(0, 255, 0);
    static constexpr COLORREF kLogBackground = RGB(49, 49, 49);
    static constexpr const char* kFileFilter =
        "Word Files (*.doc; *.docx)|*.doc; *.docx|All Files (*.*)|*.*||";

    // The log pane becomes the process's log pane while the window exists.
    CvanedeskDlg(ParameterSession& session, CoreFunctions core, WinPrompter& prompter, ResultOpener& opener);
    ~CvanedeskDlg() override;

    // The document of the command line: the file chooser shows it when the window opens.
    void SetCommandLineDocument(const std::string& path);

    // Appends text at the end of the log pane and scrolls it into view.
    void AppendLog(const std::string& text);

    CBrowseCtrl& FileChooser() { return browse_; }
    HWND LogPane() const { return Item(kIdLog); }
    HBRUSH LogBrush() const { return logBrush_; }
    const MainDialogLogic& Logic() const { return logic_; }
    bool IsRunning() const { return running_; }

    // MainDialogView
    int Mode() const override;
    void ClearLog() override;
    std::string DocumentPath() const override;
    void ShowMessage(int id) override;
    void SetRunning(bool running) override;
    void OpenResult(const std::string& target) override;

    void OnStart();
    void OnSettings();
    void OnDisplayResult();
    void OnAbout();

protected:
    bool OnInitDialog() override;
    void OnCommand(int id, int code) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    ParameterSession& session_;
    WinPrompter& prompter_;
    ResultOpener& opener_;
    MainDialogLogic logic_;
    CBrowseCtrl browse_;
    std::string commandLineDocument_;
    HICON icon_ = nullptr;
    HBRUSH logBrush_ = nullptr;
    bool running_ = false;
};

}  // namespace vane::desk
