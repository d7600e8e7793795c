// A dialog window made from one of the program's templates, in the language
// of the catalogue: modal (DialogBoxIndirectParam) or modeless
// (CreateDialogIndirectParam, which the tests use to drive it hidden).
#pragma once

#include <windows.h>

namespace vane::desk {

class WinDialog {
public:
    explicit WinDialog(int templateId) : templateId_(templateId) {}
    virtual ~WinDialog();
    WinDialog(const WinDialog&) = delete;
    WinDialog& operator=(const WinDialog&) = delete;

    // Shows the dialog modally; the result it ended with (-1 when it could not be made).
    INT_PTR DoModal(HWND parent);
    // Creates the dialog modeless, shown or hidden; null on failure.
    HWND Create(HWND parent, bool visible);

    HWND Window() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    // The result of the last End (modeless dialogs keep it after their window is gone).
    INT_PTR Result() const { return result_; }

protected:
    // Ends a modal dialog with result, or destroys a modeless one.
    void End(INT_PTR result);
    // WM_INITDIALOG; true lets the system set the focus.
    virtual bool OnInitDialog() { return true; }
    // A button click or other command; the default ends the dialog on IDOK and IDCANCEL.
    virtual void OnCommand(int id, int code);
    // Any other message; handled := true to return value from the dialog procedure.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND window_ = nullptr;
    bool modal_ = false;
    INT_PTR result_ = 0;
};

}  // namespace vane::desk
