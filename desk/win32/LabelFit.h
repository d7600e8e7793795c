// Widens the labels of a dialog whose text needs more room in the dialog's
// font than the template gave (the French labels are longer), up to the next
// control on the same row.
#pragma once

#include <windows.h>

namespace vane::desk {

// Every static label of dialog that is narrower than its text grows to the
// text's width, but never into the control that follows it on its row (a
// gap of 2 pixels stays). Single-line labels keep their height.
void fit_labels(HWND dialog);

// The width in pixels of window's text in window's font.
int text_width(HWND window);

}  // namespace vane::desk
