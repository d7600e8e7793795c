#include "LabelFit.h"

#include <climits>
#include <vector>

#include "WinText.h"

namespace vane::desk {

namespace {

constexpr int kGap = 2;

bool is_label(HWND window) {
    wchar_t type[16] = {};
    GetClassNameW(window, type, 16);
    if (lstrcmpiW(type, L"Static") != 0) return false;
    const LONG style = GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK;
    return style == SS_LEFT || style == SS_LEFTNOWORDWRAP;
}

// The window's rectangle in its parent's client coordinates.
RECT rect_in_parent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

int text_width(HWND window) {
    const std::wstring text = window_text(window);
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size.cx;
}

void fit_labels(HWND dialog) {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back(child);
    for (HWND label : controls) {
        if (!is_label(label)) continue;
        const RECT rect = rect_in_parent(label);
        const int needed = text_width(label);
        if (needed <= rect.right - rect.left) continue;
        // The nearest control that starts right of the label's left edge on the same row.
        int limit = INT_MAX;
        for (HWND other : controls) {
            if (other == label) continue;
            const RECT next = rect_in_parent(other);
            const bool sameRow = next.top < rect.bottom && next.bottom > rect.top;
            const bool frame = next.left <= rect.left && next.right >= rect.right;  // a group box around it
            if (sameRow && !frame && next.left >= rect.right && next.left - kGap < limit)
                limit = next.left - kGap;
        }
        int right = rect.left + needed;
        if (right > limit) right = limit;
        if (right > rect.right)
            SetWindowPos(label, nullptr, 0, 0, right - rect.left, rect.bottom - rect.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace vane::desk
