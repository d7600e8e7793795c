// Shows one dialog template in one language and saves what is on screen as a
// BMP file, so that the templates can be looked at without the program:
//   vane_dialog_preview <template id> <language id: 1033 or 1036> <out.bmp>
// or saves the window of a running program (vanedesk.exe) once it shows,
// after choosing its window-menu item About when asked, then, when asked, the
// dialog that its Settings button (1006) opens, and closes them:
//   vane_dialog_preview --window <title> <out.bmp> [--about] [--settings <out.bmp>]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

INT_PTR CALLBACK preview_procedure(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

void pump(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    MSG message;
    while (GetTickCount() < end) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

bool save_window(HWND window, const char* path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = ((width * 3 + 3) / 4) * 4;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return std::fclose(out) == 0;
}

// Waits up to 20 s for a visible top-level window titled title.
HWND wait_for_window(const wchar_t* title) {
    for (int tries = 0; tries < 200; ++tries) {
        HWND window = FindWindowW(nullptr, title);
        if (window != nullptr && IsWindowVisible(window)) return window;
        Sleep(100);
    }
    return nullptr;
}

struct OtherWindow {
    DWORD process;
    HWND main;
    HWND found;
};

BOOL CALLBACK find_other_window(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<OtherWindow*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || window == search->main || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

// Opens the Settings dialog of window, saves it to out and cancels it.
bool capture_settings(HWND window, const char* out) {
    OtherWindow search{0, window, nullptr};
    GetWindowThreadProcessId(window, &search.process);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(1006, BN_CLICKED), 0);
    for (int tries = 0; tries < 100 && search.found == nullptr; ++tries) {
        Sleep(100);
        EnumWindows(find_other_window, reinterpret_cast<LPARAM>(&search));
    }
    if (search.found == nullptr) return false;
    SetWindowPos(search.found, HWND_TOP, 30, 60, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    pump(1000);
    const bool saved = save_window(search.found, out);
    PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    pump(300);
    return saved;
}

int capture_running(const char* title, const char* out, bool about, const char* settingsOut) {
    wchar_t wideTitle[256] = {};
    MultiByteToWideChar(CP_UTF8, 0, title, -1, wideTitle, 256);
    HWND window = wait_for_window(wideTitle);
    if (window == nullptr) return 6;
    SetForegroundWindow(window);
    SetWindowPos(window, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    // The About item of the program's window menu (command 16) prints the banner into its log.
    if (about) PostMessageW(window, WM_SYSCOMMAND, 16, 0);
    pump(1500);
    bool saved = save_window(window, out);
    if (settingsOut != nullptr) saved = capture_settings(window, settingsOut) && saved;
    PostMessageW(window, WM_CLOSE, 0, 0);
    return saved ? 0 : 5;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "--window") == 0) {
        bool about = false;
        const char* settingsOut = nullptr;
        for (int i = 4; i < argc; ++i) {
            if (std::strcmp(argv[i], "--about") == 0) about = true;
            if (std::strcmp(argv[i], "--settings") == 0 && i + 1 < argc) settingsOut = argv[++i];
        }
        return capture_running(argv[2], argv[3], about, settingsOut);
    }
    if (argc != 4) return 2;
    const int id = std::atoi(argv[1]);
    const LANGID language = static_cast<LANGID>(std::atoi(argv[2]));
    HRSRC resource =
        FindResourceExW(nullptr, reinterpret_cast<LPCWSTR>(RT_DIALOG), MAKEINTRESOURCEW(id), language);
    if (resource == nullptr) return 3;
    auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(nullptr, resource)));
    HWND window =
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, nullptr, preview_procedure, 0);
    if (window == nullptr) return 4;
    SetWindowPos(window, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    pump(700);
    const bool saved = save_window(window, argv[3]);
    DestroyWindow(window);
    return saved ? 0 : 5;
}
