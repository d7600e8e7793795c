// Text conversions between the narrow strings of the dialog logic and the
// wide strings of the Win32 controls.
#pragma once

#include <windows.h>

#include <string>

namespace vane::desk {

// Catalogue and template texts are UTF-8; text that is not valid UTF-8 (a
// path printed by the library in the system code page) is read in that code
// page instead.
std::wstring widen(const std::string& text);
// Paths travel in the system code page, as the library's narrow file calls
// take them.
std::wstring path_to_wide(const std::string& path);
std::string wide_to_path(const std::wstring& path);
std::string wide_to_utf8(const std::wstring& text);

// The catalogue text of id in the current language, wide.
std::wstring message_text(int id);
// A window's text.
std::wstring window_text(HWND window);

}  // namespace vane::desk
