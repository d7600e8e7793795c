#include "WinDialog.h"

#include <vector>

#include "DialogTemplate.h"

namespace vane::desk {

WinDialog::~WinDialog() {
    if (window_ != nullptr && !modal_) {
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

INT_PTR WinDialog::DoModal(HWND parent) {
    const std::vector<unsigned char> data = load_dialog_template(templateId_, catalog::current_language());
    if (data.empty()) return -1;
    modal_ = true;
    result_ =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(data.data()),
                                parent, DialogProcedure, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    return result_;
}

HWND WinDialog::Create(HWND parent, bool visible) {
    const std::vector<unsigned char> data =
        load_dialog_template(templateId_, catalog::current_language(), !visible);
    if (data.empty()) return nullptr;
    modal_ = false;
    HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(data.data()), parent,
                                             DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (window != nullptr && visible) ShowWindow(window, SW_SHOW);
    return window;
}

void WinDialog::End(INT_PTR result) {
    result_ = result;
    if (window_ == nullptr) return;
    if (modal_) {
        EndDialog(window_, result);
        return;
    }
    HWND window = window_;
    window_ = nullptr;
    DestroyWindow(window);
}

void WinDialog::OnCommand(int id, int) {
    if (id == IDOK || id == IDCANCEL) End(id);
}

INT_PTR WinDialog::OnMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return FALSE;
}

INT_PTR CALLBACK WinDialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<WinDialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        dialog->window_ = window;
        return dialog->OnInitDialog() ? TRUE : FALSE;
    }
    auto* dialog = reinterpret_cast<WinDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr) return FALSE;
    if (message == WM_COMMAND) {
        dialog->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    bool handled = false;
    const INT_PTR value = dialog->OnMessage(message, wParam, lParam, handled);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        if (dialog->window_ == window) dialog->window_ = nullptr;
    }
    return handled ? value : FALSE;
}

}  // namespace vane::desk
