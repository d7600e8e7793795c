#include "CsaveDlg.h"

#include "LabelFit.h"
#include "WinText.h"

namespace vane::desk {

bool CsaveDlg::OnInitDialog() {
    fit_labels(Window());
    SetDlgItemTextW(Window(), kIdName, widen(name_).c_str());
    SetFocus(Item(kIdName));
    SendMessageW(Item(kIdName), EM_SETSEL, 0, -1);
    return false;  // the focus is set
}

void CsaveDlg::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDOK) name_ = wide_to_utf8(window_text(Item(kIdName)));
    if (id == IDOK || id == IDCANCEL) End(id);
}

}  // namespace vane::desk
