#include "CloadDlg.h"

#include "WinText.h"

namespace vane::desk {

bool CloadDlg::OnInitDialog() {
    HWND list = Item(kIdList);
    for (const std::string& name : names_)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(name).c_str()));
    if (!names_.empty()) SendMessageW(list, CB_SETCURSEL, 0, 0);
    return true;
}

void CloadDlg::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDOK) {
        HWND list = Item(kIdList);
        const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
        chosen_.clear();
        if (index != CB_ERR) {
            const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
            std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
            SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(text.data()));
            text.resize(wcslen(text.c_str()));
            chosen_ = wide_to_utf8(text);
        }
    }
    if (id == IDOK || id == IDCANCEL) End(id);
}

}  // namespace vane::desk
