// The Win32 browse control: an owner-drawn button that carries a text field
// and draws its glyph, browses on Space, Enter and a click in its button
// area, and keeps the chosen and typed paths.
#include <gtest/gtest.h>
#include <windows.h>

#include "BrowseGlyphPattern.h"
#include "CBrowseCtrl.h"
#include "WinDeskFixture.h"
#include "WinText.h"

namespace vane::test {
namespace {

using desk::CBrowseCtrl;

constexpr UINT kNotify = WM_APP + 7;
constexpr int kId = 1002;

// A hidden top-level window that records the browse notifications it gets.
struct Parent {
    HWND window = nullptr;
    std::vector<WPARAM> notified;  // browse results, in order
    int clicks = 0;                // posted WM_COMMAND for the control

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Parent*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == kNotify) self->notified.push_back(wParam);
        if (self != nullptr && message == WM_COMMAND && LOWORD(wParam) == kId) ++self->clicks;
        return DefWindowProcW(window, message, wParam, lParam);
    }

    Parent() {
        WNDCLASSW type{};
        type.lpfnWndProc = Procedure;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = L"VaneBrowseTestParent";
        RegisterClassW(&type);
        window = CreateWindowExW(0, L"VaneBrowseTestParent", L"", WS_OVERLAPPEDWINDOW, 0, 0, 600, 200,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Parent() { DestroyWindow(window); }
};

class WinBrowseCtrl : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(parent_.window, nullptr);
        const RECT rect{10, 10, 410, 34};
        ASSERT_TRUE(control_.Create(rect, parent_.window, kId, 0x4A, kNotify));
        control_.SetFileChooser([this](CBrowseCtrl&) {
            ++dialogs_;
            return answer_;
        });
    }

    // Paints the control into a bitmap of its client size and reads pixel (x, y).
    COLORREF PaintedPixel(int x, int y) {
        RECT client{};
        GetClientRect(control_.Window(), &client);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        control_.Paint(dc);
        const COLORREF pixel = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return pixel;
    }

    Parent parent_;
    CBrowseCtrl control_;
    std::optional<std::vector<std::string>> answer_;
    int dialogs_ = 0;
};

TEST_F(WinBrowseCtrl, IsAnOwnerDrawnButtonWithAnEditableTextFieldBesideItsButtonArea) {
    HWND button = control_.Window();
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(text_of(button), "");
    HWND edit = GetDlgItem(button, CBrowseCtrl::kTextFieldId);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit, control_.TextField());
    EXPECT_TRUE(GetWindowLongW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);
    EXPECT_NE(control_.Tooltip(), nullptr);

    // Glyph face: 16 pixels and 11 for the frame, at the right end; the field takes the rest.
    const RECT area = control_.ButtonArea();
    EXPECT_EQ(area.right, 400);
    EXPECT_EQ(area.right - area.left, 27);
    EXPECT_EQ(control_.TextFieldArea().right, area.left);
    const RECT face = control_.FaceArea();
    EXPECT_EQ(face.right - face.left, 16);
    EXPECT_EQ(face.bottom - face.top, 16);
    RECT editRect{};
    GetWindowRect(edit, &editRect);
    EXPECT_EQ(editRect.right - editRect.left, area.left);
}

TEST_F(WinBrowseCtrl, ReadOnlyAndButtonLeftFollowTheStyle) {
    control_.SetStyle(0x0B);  // glyph 1, button at the left, read-only
    EXPECT_EQ(control_.ButtonArea().left, 0);
    EXPECT_EQ(control_.TextFieldArea().left, control_.ButtonArea().right);
    EXPECT_TRUE(GetWindowLongW(control_.TextField(), GWL_STYLE) & ES_READONLY);
}

TEST_F(WinBrowseCtrl, DrawsTheOpenFolderGlyphAndGreysItWhenDisabled) {
    const RECT face = control_.FaceArea();
    struct Case {
        int x, y;
    };
    // An outline pixel, a white and a yellow back-face pixel, a front-face pixel.
    const Case cases[] = {{10, 1}, {2, 6}, {1, 6}, {5, 9}, {0, 13}};
    for (bool enabled : {true, false}) {
        EnableWindow(control_.Window(), enabled);
        EXPECT_EQ(IsWindowEnabled(control_.TextField()) != FALSE, enabled);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y) +
                         (enabled ? " enabled" : " disabled"));
            desk::GlyphColour colour;
            ASSERT_TRUE(desk::browse_glyph_pixel(1, c.x, c.y, enabled, colour));
            EXPECT_EQ(PaintedPixel(face.left + c.x, face.top + c.y),
                      RGB(colour.red, colour.green, colour.blue));
        }
    }
    EXPECT_EQ(PaintedPixel(face.left, face.top), GetSysColor(COLOR_BTNFACE));  // a clear pixel
}

TEST_F(WinBrowseCtrl, SpaceBrowsesShowsTheFirstPathAndNotifies) {
    answer_ = std::vector<std::string>{"C:\\Docs\\a.doc", "C:\\Docs\\b.doc", "C:\\Docs\\c.doc"};
    SendMessageW(control_.Window(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(control_.IsPressed());
    SendMessageW(control_.Window(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(control_.IsPressed());
    EXPECT_EQ(dialogs_, 1);
    EXPECT_EQ(text_of(control_.TextField()), "C:\\Docs\\a.doc");
    EXPECT_EQ(control_.GetPath(), "C:\\Docs\\a.doc");
    EXPECT_EQ(control_.Path().Chosen().size(), 3u);
    EXPECT_FALSE(control_.Path().Typed());
    EXPECT_EQ(parent_.notified, std::vector<WPARAM>{CBrowseCtrl::kBrowseChosen});
    pump_messages();
    EXPECT_EQ(parent_.clicks, 1);
}

TEST_F(WinBrowseCtrl, EnterInTheTextFieldBrowsesAndCancelChangesNothing) {
    control_.SetPath("C:\\Docs\\kept.doc");
    answer_.reset();
    SendMessageW(control_.TextField(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(dialogs_, 1);
    EXPECT_EQ(control_.GetPath(), "C:\\Docs\\kept.doc");
    EXPECT_EQ(parent_.notified, std::vector<WPARAM>{CBrowseCtrl::kBrowseCancelled});
}

TEST_F(WinBrowseCtrl, AClickInTheButtonAreaBrowsesAndOneInTheFieldDoesNot) {
    answer_ = std::vector<std::string>{"C:\\Docs\\clicked.doc"};
    const RECT area = control_.ButtonArea();
    const LPARAM inside = MAKELPARAM(area.left + 5, 5);
    SendMessageW(control_.Window(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    EXPECT_TRUE(control_.IsPressed());
    SendMessageW(control_.Window(), WM_LBUTTONUP, 0, inside);
    EXPECT_EQ(dialogs_, 1);
    EXPECT_EQ(control_.GetPath(), "C:\\Docs\\clicked.doc");

    SendMessageW(control_.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(control_.Window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(dialogs_, 1);
}

TEST_F(WinBrowseCtrl, TypedTextIsTheCurrentPathUnlessItOnlyDiffersInCase) {
    struct Case {
        const char* typed;
        const char* current;
    };
    const Case cases[] = {
        {"C:\\Other\\typed.doc", "C:\\Other\\typed.doc"},
        {"c:\\docs\\CHOSEN.DOC", "C:\\Docs\\chosen.doc"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        control_.SetPath("C:\\Docs\\chosen.doc");
        SetWindowTextW(control_.TextField(), desk::path_to_wide(c.typed).c_str());
        EXPECT_TRUE(control_.Path().Typed());
        EXPECT_EQ(control_.GetPath(), c.current);
    }
}

TEST_F(WinBrowseCtrl, FolderModeUsesTheFolderChooserAndKeepsOnePath) {
    control_.SetStyle(0x4A | CBrowseCtrl::kFolderMode);
    int folderDialogs = 0;
    control_.SetFolderChooser([&](CBrowseCtrl&) {
        ++folderDialogs;
        return std::optional<std::vector<std::string>>(std::vector<std::string>{"C:\\Out", "C:\\Ignored"});
    });
    EXPECT_EQ(control_.Browse(), CBrowseCtrl::kBrowseChosen);
    EXPECT_EQ(folderDialogs, 1);
    EXPECT_EQ(dialogs_, 0);
    EXPECT_EQ(control_.Path().Chosen(), std::vector<std::string>{"C:\\Out"});
}

TEST_F(WinBrowseCtrl, ABrowseDuringABrowseIsRefused) {
    int inner = -1;
    control_.SetFileChooser([&](CBrowseCtrl& control) {
        ++dialogs_;
        inner = control.Browse();
        return std::optional<std::vector<std::string>>(std::vector<std::string>{"C:\\x.doc"});
    });
    EXPECT_EQ(control_.Browse(), CBrowseCtrl::kBrowseChosen);
    EXPECT_EQ(inner, CBrowseCtrl::kBrowseCancelled);
    EXPECT_EQ(dialogs_, 1);
}

}  // namespace
}  // namespace vane::test
