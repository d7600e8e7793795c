// Shows one dialog template in one language and saves what is on screen as a
// BMP file, so that the templates can be looked at without the program:
//   vane_dialog_preview <template id> <language id: 1033 or 1036> <out.bmp>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
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

}  // namespace

int main(int argc, char** argv) {
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
