#include "MessageBoxPrompter.h"

#include "DialogTexts.h"
#include "WinText.h"

namespace vane::desk {

namespace {

std::wstring box_title() {
    return widen(catalog::dialog_texts(catalog::current_language()).mainTitle);
}

}  // namespace

void MessageBoxPrompter::Inform(HWND parent, const std::wstring& text) {
    MessageBoxW(parent, text.c_str(), box_title().c_str(), MB_OK | MB_ICONWARNING);
}

bool MessageBoxPrompter::AskYesNo(HWND parent, const std::wstring& text) {
    return MessageBoxW(parent, text.c_str(), box_title().c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace vane::desk
