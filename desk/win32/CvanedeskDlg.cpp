#include "CvanedeskDlg.h"

#include "CparametersDlg.h"
#include "OutputCallbacks.h"
#include "WinText.h"

namespace vane::desk {

namespace {

// The controls that a run disables, in this order.
constexpr int kRunControls[] = {
    CvanedeskDlg::kIdStart,    CvanedeskDlg::kIdOutput, CvanedeskDlg::kIdHtml,         CvanedeskDlg::kIdPdf,
    CvanedeskDlg::kIdSettings, CvanedeskDlg::kIdBrowse, CvanedeskDlg::kIdDisplayResult};

}  // namespace

CvanedeskDlg::CvanedeskDlg(ParameterSession& session, CoreFunctions core, WinPrompter& prompter,
                           ResultOpener& opener)
    : WinDialog(102),
      session_(session),
      prompter_(prompter),
      opener_(opener),
      logic_(std::move(core), session.Current()) {}

CvanedeskDlg::~CvanedeskDlg() {
    set_log_pane({});
    if (logBrush_ != nullptr) DeleteObject(logBrush_);
}

void CvanedeskDlg::SetCommandLineDocument(const std::string& path) {
    commandLineDocument_ = path;
    if (Window() != nullptr) browse_.SetPath(path);
}

bool CvanedeskDlg::OnInitDialog() {
    HWND window = Window();
    logBrush_ = CreateSolidBrush(kLogBackground);

    const std::wstring about = message_text(msg::kAbout);
    if (HMENU menu = GetSystemMenu(window, FALSE); menu != nullptr && !about.empty()) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kIdAbout, about.c_str());
    }

    icon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIdIcon));
    if (icon_ == nullptr) icon_ = LoadIconW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */);
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    browse_.Attach(Item(kIdBrowse));
    browse_.SetStyle(browse_.Style() | CBrowseCtrl::kEditable);
    browse_.SetFilter(kFileFilter);

    // No practical limit on the log (0 asks for the largest the control allows).
    SendMessageW(LogPane(), EM_SETLIMITTEXT, 0, 0);
    set_log_pane([this](const std::string& text) { AppendLog(text); });

    browse_.SetPath(commandLineDocument_);
    CheckRadioButton(window, kIdHtml, kIdPdf, kIdHtml);
    return true;
}

void CvanedeskDlg::AppendLog(const std::string& text) {
    HWND log = LogPane();
    if (log == nullptr) return;
    const int length = GetWindowTextLengthW(log);
    SendMessageW(log, EM_SETSEL, length, length);
    SendMessageW(log, EM_SCROLLCARET, 0, 0);
    SendMessageW(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(widen(text).c_str()));
    SendMessageW(log, EM_SCROLLCARET, 0, 0);
    // A run keeps the message loop busy: paint now so the progress shows.
    UpdateWindow(log);
}

int CvanedeskDlg::Mode() const {
    return IsDlgButtonChecked(Window(), kIdPdf) == BST_CHECKED ? 1 : 0;
}

void CvanedeskDlg::ClearLog() {
    HWND log = LogPane();
    SendMessageW(log, EM_SETSEL, 0, -1);
    SendMessageW(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
}

std::string CvanedeskDlg::DocumentPath() const {
    return browse_.GetPath();
}

void CvanedeskDlg::ShowMessage(int id) {
    prompter_.Inform(Window(), message_text(id));
}

void CvanedeskDlg::SetRunning(bool running) {
    running_ = running;
    for (int id : kRunControls) EnableWindow(Item(id), running ? FALSE : TRUE);
}

void CvanedeskDlg::OpenResult(const std::string& target) {
    opener_.Open(target);
}

void CvanedeskDlg::OnStart() {
    if (!running_) logic_.Start(*this);
}

void CvanedeskDlg::OnSettings() {
    session_.SettingsFlow([this] {
        CparametersDlg dialog(session_, prompter_);
        return dialog.DoModal(Window()) == IDOK;
    });
}

void CvanedeskDlg::OnDisplayResult() {
    logic_.DisplayResult(*this);
}

void CvanedeskDlg::OnAbout() {
    if (!running_) logic_.About(*this);
}

void CvanedeskDlg::OnCommand(int id, int code) {
    switch (id) {
        case kIdStart:
            if (code == BN_CLICKED) OnStart();
            break;
        case kIdSettings:
            if (code == BN_CLICKED) OnSettings();
            break;
        case kIdDisplayResult:
            if (code == BN_CLICKED) OnDisplayResult();
            break;
        case IDCANCEL:
            // A conversion in progress finishes before the window may close.
            if (!running_) End(IDCANCEL);
            break;
        default:
            break;  // 1002: the file chooser has handled its own click
    }
}

INT_PTR CvanedeskDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    switch (message) {
        case WM_SYSCOMMAND:
            // The About item and any id up to 31 that the window menu may give it.
            if ((wParam & 0xFFF0) == kIdAbout || (wParam >= 16 && wParam <= 31)) {
                OnAbout();
                return TRUE;
            }
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            // A read-only edit asks with WM_CTLCOLORSTATIC.
            if (reinterpret_cast<HWND>(lParam) == LogPane()) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, kLogText);
                SetBkColor(dc, kLogBackground);
                return reinterpret_cast<INT_PTR>(logBrush_);
            }
            break;
        case WM_CLOSE:
            if (!running_) End(IDCANCEL);
            return TRUE;
        case WM_DESTROY:
            set_log_pane({});
            if (logBrush_ != nullptr) DeleteObject(logBrush_);
            logBrush_ = nullptr;
            break;
        default:
            break;
    }
    handled = false;
    return FALSE;
}

}  // namespace vane::desk
