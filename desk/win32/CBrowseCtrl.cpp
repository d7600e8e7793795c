#include "CBrowseCtrl.h"

// windows.h (through the header) first: the shell and common-control headers build on it.
// clang-format off
#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>
#include <shlobj.h>
// clang-format on

#include "BrowseGlyphPattern.h"
#include "DialogTexts.h"
#include "WinText.h"

namespace vane::desk {

namespace {

constexpr UINT_PTR kSubclassId = 0x56414E45;  // one subclass per window, any id unique to this class
constexpr int kFileBufferSize = 65535;

// "description|pattern|...||" as the file dialog wants it: parts ended by NUL, the list by a second NUL.
std::wstring dialog_filter(const std::string& filter) {
    std::wstring wide = widen(filter);
    for (wchar_t& c : wide)
        if (c == L'|') c = L'\0';
    wide.push_back(L'\0');
    return wide;
}

int CALLBACK folder_dialog_callback(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message != BFFM_INITIALIZED) return 0;
    const auto* control = reinterpret_cast<const std::pair<std::wstring, std::wstring>*>(data);
    if (!control->first.empty()) SetWindowTextW(window, control->first.c_str());
    if (!control->second.empty())
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(control->second.c_str()));
    return 0;
}

}  // namespace

CBrowseCtrl::CBrowseCtrl()
    : fileDialogFlags_(OFN_OVERWRITEPROMPT | OFN_ALLOWMULTISELECT | OFN_CREATEPROMPT | OFN_EXPLORER |
                       OFN_ENABLESIZING),
      folderDialogFlags_(BIF_RETURNONLYFSDIRS) {
    const catalog::DialogTexts& texts = catalog::dialog_texts(catalog::current_language());
    tooltipText_ = widen(texts.browseTooltip);
    folderPrompt_ = widen(texts.folderPrompt);
}

CBrowseCtrl::~CBrowseCtrl() {
    Detach();
}

bool CBrowseCtrl::Attach(HWND button) {
    if (button == nullptr || window_ != nullptr) return false;
    if (!SetWindowSubclass(button, ButtonProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    window_ = button;
    AttachSteps();
    return true;
}

bool CBrowseCtrl::Create(const RECT& rect, HWND parent, int id, unsigned style, UINT notifyMessage) {
    if (parent == nullptr) parent = GetActiveWindow();
    HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (button == nullptr) return false;
    if (parent != nullptr) SendMessageW(button, WM_SETFONT, SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
    style_ = style;
    notifyMessage_ = notifyMessage;
    createdByCreate_ = true;
    return Attach(button);
}

void CBrowseCtrl::AttachSteps() {
    // The face is drawn here: the button becomes owner-drawn and keeps its
    // children (the text field) out of its painting.
    LONG_PTR windowStyle = GetWindowLongPtrW(window_, GWL_STYLE);
    windowStyle = (windowStyle & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW | WS_CLIPCHILDREN;
    SetWindowLongPtrW(window_, GWL_STYLE, windowStyle);
    // The dialog's Tab and arrow keys reach the text field inside the button.
    SetWindowLongPtrW(window_, GWL_EXSTYLE, GetWindowLongPtrW(window_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    Layout();
    if (caption_.empty()) caption_ = window_text(window_);
    SetWindowTextW(window_, L"");
    CreateTextField();
    CreateTooltip();
    SetTimer(window_, kFocusTimer, 1, nullptr);
}

void CBrowseCtrl::Detach() {
    if (window_ == nullptr) return;
    KillTimer(window_, kHoverTimer);
    KillTimer(window_, kFocusTimer);
    if (edit_ != nullptr) {
        RemoveWindowSubclass(edit_, EditProcedure, kSubclassId);
        DestroyWindow(edit_);
    }
    if (tooltip_ != nullptr) DestroyWindow(tooltip_);
    RemoveWindowSubclass(window_, ButtonProcedure, kSubclassId);
    edit_ = nullptr;
    tooltip_ = nullptr;
    window_ = nullptr;
}

int CBrowseCtrl::Glyph() const {
    if (style_ & kGlyph1) return 1;
    if (style_ & kGlyph2) return 2;
    if (style_ & kGlyph3) return 3;
    return 1;
}

void CBrowseCtrl::Layout() {
    RECT client{};
    GetClientRect(window_, &client);
    buttonArea_ = client;

    SIZE face{kGlyphSize, kGlyphSize};
    if (!(style_ & kGlyphFace)) {
        HDC dc = GetDC(window_);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc, caption_.c_str(), static_cast<int>(caption_.size()), &face);
        SelectObject(dc, old);
        ReleaseDC(window_, dc);
        if (face.cx < kGlyphSize) face.cx = kGlyphSize;
    }
    const int buttonWidth = face.cx + 11;
    const int clientWidth = client.right - client.left;
    if (buttonWidth < clientWidth) {
        if (style_ & kButtonLeft)
            buttonArea_.right = buttonArea_.left + buttonWidth;
        else
            buttonArea_.left = buttonArea_.right - buttonWidth;
    }

    RECT inner = buttonArea_;
    InflateRect(&inner, -2, -2);
    const int innerWidth = inner.right - inner.left;
    const int innerHeight = inner.bottom - inner.top;
    faceArea_.left = inner.left + (innerWidth - face.cx) / 2;
    faceArea_.top = inner.top + (innerHeight - face.cy) / 2;
    faceArea_.right = faceArea_.left + face.cx;
    faceArea_.bottom = faceArea_.top + face.cy;
    IntersectRect(&faceArea_, &faceArea_, &inner);

    textFieldArea_ = client;
    if (style_ & kButtonLeft)
        textFieldArea_.left = buttonArea_.right;
    else
        textFieldArea_.right = buttonArea_.left;
    if (textFieldArea_.right < textFieldArea_.left) textFieldArea_.right = textFieldArea_.left;

    if (edit_ != nullptr)
        MoveWindow(edit_, textFieldArea_.left, textFieldArea_.top, textFieldArea_.right - textFieldArea_.left,
                   textFieldArea_.bottom - textFieldArea_.top, TRUE);
    if (tooltip_ != nullptr) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = window_;
        tool.uId = kToolId;
        tool.rect = buttonArea_;
        SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void CBrowseCtrl::CreateTextField() {
    std::wstring text;
    if (edit_ != nullptr) {
        text = window_text(edit_);
        RemoveWindowSubclass(edit_, EditProcedure, kSubclassId);
        DestroyWindow(edit_);
    }
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_NOHIDESEL;
    if (!(style_ & kEditable)) style |= ES_READONLY;
    if (!IsWindowEnabled(window_)) style |= WS_DISABLED;
    edit_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", text.c_str(), style, textFieldArea_.left, textFieldArea_.top,
        textFieldArea_.right - textFieldArea_.left, textFieldArea_.bottom - textFieldArea_.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextFieldId)), GetModuleHandleW(nullptr), nullptr);
    if (edit_ == nullptr) return;
    SendMessageW(edit_, WM_SETFONT, SendMessageW(window_, WM_GETFONT, 0, 0), FALSE);
    SendMessageW(edit_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
    SetWindowSubclass(edit_, EditProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void CBrowseCtrl::CreateTooltip() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tooltip_ == nullptr) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;  // the tooltip watches the button's mouse messages itself
    tool.hwnd = window_;
    tool.uId = kToolId;
    tool.rect = buttonArea_;
    tool.lpszText = tooltipText_.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CBrowseCtrl::SetStyle(unsigned style) {
    style_ = style;
    if (window_ == nullptr) return;
    Layout();
    CreateTextField();
    Repaint();
}

void CBrowseCtrl::ShowText(const std::string& text, bool selectAll) {
    if (edit_ == nullptr) return;
    settingText_ = true;
    SetWindowTextW(edit_, path_to_wide(text).c_str());
    settingText_ = false;
    if (selectAll) SendMessageW(edit_, EM_SETSEL, 0, -1);
}

void CBrowseCtrl::SetPath(const std::string& path) {
    path_.SetPath(path);
    ShowText(path, false);
}

void CBrowseCtrl::CaretToEnd() {
    if (edit_ == nullptr) return;
    const int length = GetWindowTextLengthW(edit_);
    SendMessageW(edit_, EM_SETSEL, length, length);
}

void CBrowseCtrl::Repaint() {
    if (window_ != nullptr) InvalidateRect(window_, &buttonArea_, FALSE);
}

bool CBrowseCtrl::InButton(POINT point) const {
    return PtInRect(&buttonArea_, point) != FALSE;
}

int CBrowseCtrl::Browse() {
    if (browsing_) return kBrowseCancelled;
    browsing_ = true;
    const bool folder = (style_ & kFolderMode) != 0;
    std::optional<std::vector<std::string>> chosen;
    if (folder)
        chosen = folderChooser_ ? folderChooser_(*this) : RunFolderDialog();
    else
        chosen = fileChooser_ ? fileChooser_(*this) : RunFileDialog();
    int result = kBrowseCancelled;
    if (chosen && !chosen->empty()) {
        if (folder) chosen->resize(1);
        ShowText(chosen->front(), true);
        path_.Choose(std::move(*chosen));
        result = kBrowseChosen;
    }
    browsing_ = false;
    if (notifyMessage_ != 0 && window_ != nullptr)
        SendMessageW(GetParent(window_), notifyMessage_, static_cast<WPARAM>(result),
                     reinterpret_cast<LPARAM>(window_));
    return result;
}

void CBrowseCtrl::BrowseAndNotify() {
    Browse();
    if (window_ == nullptr) return;
    PostMessageW(GetParent(window_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window_), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window_));
}

std::optional<std::vector<std::string>> CBrowseCtrl::RunFileDialog() {
    std::wstring buffer(kFileBufferSize, L'\0');
    const std::wstring filter = dialog_filter(filter_);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetParent(window_);
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = kFileBufferSize;
    dialog.lpstrTitle = dialogTitle_.empty() ? nullptr : dialogTitle_.c_str();
    dialog.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    dialog.Flags = fileDialogFlags_;
    const BOOL ok = openDialog_ ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
    if (!ok) return std::nullopt;
    readOnlyChosen_ = (dialog.Flags & OFN_READONLY) != 0;

    // One file: its full path. Several: the folder, then each name, each ended by NUL.
    std::vector<std::wstring> parts;
    for (const wchar_t* part = buffer.c_str(); *part != L'\0'; part += wcslen(part) + 1)
        parts.emplace_back(part);
    std::vector<std::string> paths;
    if (parts.size() == 1) {
        paths.push_back(wide_to_path(parts.front()));
    } else {
        std::wstring folder = parts.front();
        if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
        for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(wide_to_path(folder + parts[i]));
    }
    return paths;
}

std::optional<std::vector<std::string>> CBrowseCtrl::RunFolderDialog() {
    const std::pair<std::wstring, std::wstring> start{dialogTitle_, path_to_wide(GetPath())};
    BROWSEINFOW dialog{};
    dialog.hwndOwner = GetParent(window_);
    dialog.lpszTitle = folderPrompt_.c_str();
    dialog.ulFlags = folderDialogFlags_;
    dialog.lpfn = folder_dialog_callback;
    dialog.lParam = reinterpret_cast<LPARAM>(&start);
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&dialog);
    if (chosen == nullptr) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    const BOOL ok = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    if (!ok) return std::nullopt;
    return std::vector<std::string>{wide_to_path(path)};
}

void CBrowseCtrl::Paint(HDC dc) const {
    FillRect(dc, &buttonArea_, GetSysColorBrush(COLOR_BTNFACE));
    RECT frame = buttonArea_;
    if (style_ & kFlat) {
        if (pressed_)
            DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
        else if (hovered_)
            DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
    } else {
        DrawEdge(dc, &frame, pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }

    RECT face = faceArea_;
    if (pressed_) OffsetRect(&face, 1, 1);
    const bool enabled = IsWindowEnabled(window_) != FALSE;
    if (style_ & kGlyphFace) {
        const int glyph = Glyph();
        for (int y = 0; y < kGlyphSize && face.top + y < face.bottom; ++y) {
            for (int x = 0; x < kGlyphSize && face.left + x < face.right; ++x) {
                GlyphColour colour;
                if (browse_glyph_pixel(glyph, x, y, enabled, colour))
                    SetPixelV(dc, face.left + x, face.top + y, RGB(colour.red, colour.green, colour.blue));
            }
        }
        return;
    }
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0)));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (enabled) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &face, format);
    } else {
        RECT highlight = face;
        OffsetRect(&highlight, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &highlight, format);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &face, format);
    }
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

void CBrowseCtrl::OnFocusTimer() {
    const bool focused = edit_ != nullptr && GetFocus() == edit_;
    if (focused && !editFocused_)
        SendMessageW(edit_, EM_SETSEL, 0, -1);
    else if (!focused && editFocused_)
        CaretToEnd();
    editFocused_ = focused;
}

void CBrowseCtrl::OnHoverTimer() {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(window_, &cursor);
    if (InButton(cursor)) return;
    KillTimer(window_, kHoverTimer);
    hovered_ = false;
    pressed_ = false;
    Repaint();
}

LRESULT CALLBACK CBrowseCtrl::ButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR data) {
    auto* control = reinterpret_cast<CBrowseCtrl*>(data);
    if (message == WM_DESTROY) {
        // Children and owned windows go with the button; only the subclass and timers are undone here.
        control->Detach();
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return control->HandleButton(message, wParam, lParam);
}

LRESULT CBrowseCtrl::HandleButton(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            Paint(dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
        case WM_MOVE:
            Layout();
            Repaint();
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (!InButton(point)) return 0;
            CaretToEnd();
            SetCapture(window);
            pressed_ = true;
            Repaint();
            return 0;
        }
        case WM_LBUTTONUP: {
            if (GetCapture() != window) return 0;
            ReleaseCapture();
            pressed_ = false;
            Repaint();
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (InButton(point)) BrowseAndNotify();
            return 0;
        }
        case WM_MOUSEMOVE: {
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (InButton(point)) {
                hovered_ = true;
                pressed_ = GetCapture() == window;
                SetTimer(window, kHoverTimer, 1, nullptr);
            } else if (GetCapture() == window) {
                pressed_ = false;
            }
            Repaint();
            return 0;
        }
        case WM_TIMER:
            if (wParam == kFocusTimer) {
                OnFocusTimer();
                return 0;
            }
            if (wParam == kHoverTimer) {
                OnHoverTimer();
                return 0;
            }
            break;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                pressed_ = true;
                Repaint();
                return 0;
            }
            if (wParam == VK_RETURN) {
                BrowseAndNotify();
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE) {
                pressed_ = false;
                Repaint();
                BrowseAndNotify();
                return 0;
            }
            break;
        case WM_CHAR:
            return 0;
        case WM_GETDLGCODE: {
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            if (key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
                return DLGC_WANTALLKEYS;
            break;
        }
        case WM_SETFOCUS:
            if (edit_ != nullptr) {
                SetFocus(edit_);
                SendMessageW(edit_, EM_SETSEL, 0, -1);
            }
            return 0;
        case WM_ENABLE:
            if (edit_ != nullptr) EnableWindow(edit_, static_cast<BOOL>(wParam));
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kTextFieldId && HIWORD(wParam) == EN_CHANGE && !settingText_) {
                path_.TextChanged(wide_to_path(window_text(edit_)), browsing_, (style_ & kEditable) != 0);
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            // The text field's colours come from the dialog, as for any of its controls.
            return SendMessageW(GetParent(window), message, wParam, lParam);
        case BM_SETSTATE:
        case BM_SETCHECK:
            return 0;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK CBrowseCtrl::EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR data) {
    return reinterpret_cast<CBrowseCtrl*>(data)->HandleEdit(edit, message, wParam, lParam);
}

LRESULT CBrowseCtrl::HandleEdit(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE: {
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            if (key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
                return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
            break;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                BrowseAndNotify();
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\r') return 0;  // handled on the key press; no beep
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace vane::desk
