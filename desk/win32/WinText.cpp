#include "WinText.h"

#include "MessageCatalog.h"

namespace vane::desk {

namespace {

std::wstring to_wide(const std::string& text, UINT codePage, DWORD flags, bool& ok) {
    ok = true;
    if (text.empty()) return {};
    const int size =
        MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (size <= 0) {
        ok = false;
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string to_narrow(const std::wstring& text, UINT codePage) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    if (size <= 0) return {};
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr,
                        nullptr);
    return narrow;
}

}  // namespace

std::wstring widen(const std::string& text) {
    bool ok = false;
    std::wstring wide = to_wide(text, CP_UTF8, MB_ERR_INVALID_CHARS, ok);
    if (ok) return wide;
    return to_wide(text, CP_ACP, 0, ok);
}

std::wstring path_to_wide(const std::string& path) {
    bool ok = false;
    return to_wide(path, CP_ACP, 0, ok);
}

std::string wide_to_path(const std::wstring& path) {
    return to_narrow(path, CP_ACP);
}

std::string wide_to_utf8(const std::wstring& text) {
    return to_narrow(text, CP_UTF8);
}

std::wstring message_text(int id) {
    const char* text = catalog::text(id, catalog::current_language());
    return text != nullptr ? widen(text) : std::wstring();
}

std::wstring window_text(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace vane::desk
