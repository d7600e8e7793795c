// The message boxes of the Win32 dialogs, behind an interface so that tests
// can answer them (the Qt front-end's Prompter speaks Qt types).
#pragma once

#include <windows.h>

#include <string>

namespace vane::desk {

class WinPrompter {
public:
    virtual ~WinPrompter() = default;
    // A box with an OK button and a warning icon; returns once it is closed.
    virtual void Inform(HWND parent, const std::wstring& text) = 0;
    // A box with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(HWND parent, const std::wstring& text) = 0;
};

// Message boxes titled "Folivane".
class MessageBoxPrompter final : public WinPrompter {
public:
    void Inform(HWND parent, const std::wstring& text) override;
    bool AskYesNo(HWND parent, const std::wstring& text) override;
};

}  // namespace vane::desk
