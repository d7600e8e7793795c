// The Win32 main dialog made from template 102, hidden, driven through its
// controls: the logic sees what the controls hold, the log pane shows what
// the library prints, the window menu carries About.
#include <gtest/gtest.h>
#include <windows.h>

#include "CvanedeskDlg.h"
#include "LogPrint.h"
#include "MessageCatalog.h"
#include "WinDeskFixture.h"
#include "WinText.h"

namespace vane::test {
namespace {

using desk::CBrowseCtrl;
using desk::CvanedeskDlg;

class WinMainDialog : public ::testing::Test {
protected:
    void SetUp() override { catalog::set_current_language(catalog::Language::English); }
    void TearDown() override { catalog::set_current_language(catalog::Language::English); }

    // Creates the hidden dialog with document in its file chooser.
    CvanedeskDlg& Open(const std::string& document = "") {
        dialog_ = std::make_unique<CvanedeskDlg>(profiles_.session, core_.Functions(), prompter_, opener_);
        dialog_->SetCommandLineDocument(document);
        EXPECT_NE(dialog_->Create(nullptr, false), nullptr);
        return *dialog_;
    }
    HWND Item(int id) const { return GetDlgItem(dialog_->Window(), id); }
    HWND TextField() const { return dialog_->FileChooser().TextField(); }
    void Click(int id) { SendMessageW(dialog_->Window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Type(const std::string& text) { SetWindowTextW(TextField(), desk::path_to_wide(text).c_str()); }

    TestProfiles profiles_;
    FakeCore core_;
    RecordingPrompter prompter_;
    RecordingOpener opener_;
    std::unique_ptr<CvanedeskDlg> dialog_;
};

TEST_F(WinMainDialog, OpensHiddenWithTheCommandLineDocumentAndHtmlChecked) {
    CvanedeskDlg& dialog = Open("C:\\Docs\\report.doc");
    EXPECT_FALSE(IsWindowVisible(dialog.Window()));
    EXPECT_EQ(text_of(dialog.Window()), "Folivane");
    EXPECT_EQ(text_of(TextField()), "C:\\Docs\\report.doc");
    EXPECT_EQ(dialog.DocumentPath(), "C:\\Docs\\report.doc");
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), CvanedeskDlg::kIdHtml), BST_CHECKED);
    EXPECT_EQ(dialog.Mode(), 0);
    CheckRadioButton(dialog.Window(), CvanedeskDlg::kIdHtml, CvanedeskDlg::kIdPdf, CvanedeskDlg::kIdPdf);
    EXPECT_EQ(dialog.Mode(), 1);
}

TEST_F(WinMainDialog, TabReachesTheTextFieldInsideTheFileChooser) {
    CvanedeskDlg& dialog = Open();
    // The log pane is the last tab stop; the next one is the first: the text field.
    EXPECT_EQ(GetNextDlgTabItem(dialog.Window(), dialog.LogPane(), FALSE), TextField());
    EXPECT_EQ(GetNextDlgTabItem(dialog.Window(), TextField(), FALSE), Item(CvanedeskDlg::kIdHtml));
    EXPECT_EQ(GetNextDlgTabItem(dialog.Window(), TextField(), TRUE), dialog.LogPane());
}

TEST_F(WinMainDialog, ShowsTheProgramIconLargeAndSmall) {
    CvanedeskDlg& dialog = Open();
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(CvanedeskDlg::kIdIcon));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(SendMessageW(dialog.Window(), WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
    EXPECT_EQ(SendMessageW(dialog.Window(), WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(icon));
}

TEST_F(WinMainDialog, StartRunsD2hWithTheCurrentParametersAndTheTypedPath) {
    CvanedeskDlg& dialog = Open("C:\\Docs\\first.doc");
    Type("C:\\Docs\\typed.docx");
    profiles_.session.Current().IndexWidth = 300;
    profiles_.session.Current().UseHome = false;
    std::vector<BOOL> enabledDuringRun;
    core_.duringCall = [&] {
        for (int id :
             {CvanedeskDlg::kIdStart, CvanedeskDlg::kIdOutput, CvanedeskDlg::kIdHtml, CvanedeskDlg::kIdPdf,
              CvanedeskDlg::kIdSettings, CvanedeskDlg::kIdBrowse, CvanedeskDlg::kIdDisplayResult})
            enabledDuringRun.push_back(IsWindowEnabled(Item(id)));
        desk::print_log("\r\nDoc file: %s", "C:\\Docs\\typed.docx");
    };

    Click(CvanedeskDlg::kIdStart);

    ASSERT_EQ(core_.calls.size(), 1u);
    const std::vector<std::string> expected = {
        "d2h", "-v", "-e", "-m", "-p", "300", "-d", "6", "-k", "0", "C:\\Docs\\typed.docx"};
    EXPECT_EQ(core_.calls[0], expected);
    EXPECT_EQ(enabledDuringRun, std::vector<BOOL>(7, FALSE));
    EXPECT_TRUE(IsWindowEnabled(Item(CvanedeskDlg::kIdStart)));
    EXPECT_TRUE(IsWindowEnabled(TextField()));
    EXPECT_EQ(text_of(dialog.LogPane()), "Check Winword...\r\n\r\nDoc file: C:\\Docs\\typed.docx");
    EXPECT_TRUE(prompter_.informed.empty());
}

TEST_F(WinMainDialog, StartInPdfModeChecksGhostscriptAndRunsD2p) {
    CvanedeskDlg& dialog = Open("C:\\Docs\\report.doc");
    CheckRadioButton(dialog.Window(), CvanedeskDlg::kIdHtml, CvanedeskDlg::kIdPdf, CvanedeskDlg::kIdPdf);
    Click(CvanedeskDlg::kIdStart);
    Click(CvanedeskDlg::kIdStart);
    ASSERT_EQ(core_.calls.size(), 2u);
    const std::vector<std::string> expected = {"d2p", "-v", "-p", "Folivane",
                                               "-d",  "5",  "-k", "C:\\Docs\\report.doc"};
    EXPECT_EQ(core_.calls[1], expected);
    // The Word version is kept once found: the second Start does not check again.
    EXPECT_EQ(core_.wordChecks, 1);
    EXPECT_EQ(text_of(dialog.LogPane()), "\r\nCheck Ghostscript...\r\n");
}

TEST_F(WinMainDialog, StartWithoutADocumentShowsBox219AndLeavesTheLogEmpty) {
    CvanedeskDlg& dialog = Open();
    dialog.AppendLog("old text");
    Click(CvanedeskDlg::kIdStart);
    EXPECT_TRUE(core_.calls.empty());
    ASSERT_EQ(prompter_.informed.size(), 1u);
    EXPECT_EQ(prompter_.informed[0], desk::widen(catalog::text(219, catalog::Language::English)));
    EXPECT_EQ(text_of(dialog.LogPane()), "");
}

TEST_F(WinMainDialog, SettingsOkStoresTheParametersAsTheCurrentProfile) {
    struct Case {
        int button;
        int indexWidth;  // in the current parameters and the file afterwards
    };
    const Case cases[] = {{IDCANCEL, 200}, {IDOK, 640}};
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        ModalAnswer answer(
            L"Folivane - Parameters", [](HWND parameters) { SetDlgItemTextW(parameters, 1012, L"640"); },
            c.button);
        Click(CvanedeskDlg::kIdSettings);
        EXPECT_TRUE(ModalAnswer::Answered());
        EXPECT_EQ(profiles_.session.Current().IndexWidth, c.indexWidth);
        CSettings reread;
        reread.SetPath(profiles_.settings.Path());
        reread.Load();
        const CSetting* stored = reread.Find(CSettings::kCurrentSetting);
        ASSERT_NE(stored, nullptr);
        EXPECT_EQ(stored->IndexWidth, c.indexWidth);
    }
}

TEST_F(WinMainDialog, DisplayResultOpensTheTargetOfTheMode) {
    struct Case {
        const char* document;
        int mode;
        const char* target;
    };
    const Case cases[] = {
        {"C:/Docs/report.final.doc", CvanedeskDlg::kIdHtml, "C:\\Docs\\report.final\\index.html"},
        {"C:/Docs/report.final.doc", CvanedeskDlg::kIdPdf, "C:\\Docs\\report.final.pdf"},
        {"report.doc", CvanedeskDlg::kIdPdf, "report.pdf"},
    };
    CvanedeskDlg& dialog = Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.document) + " " + c.target);
        opener_.opened.clear();
        dialog.FileChooser().SetPath(c.document);
        CheckRadioButton(dialog.Window(), CvanedeskDlg::kIdHtml, CvanedeskDlg::kIdPdf, c.mode);
        Click(CvanedeskDlg::kIdDisplayResult);
        ASSERT_EQ(opener_.opened.size(), 1u);
        EXPECT_EQ(opener_.opened[0], c.target);
    }
}

TEST_F(WinMainDialog, TheWindowMenuCarriesAboutWhichShowsTheBannerInAClearedLog) {
    CvanedeskDlg& dialog = Open();
    HMENU menu = GetSystemMenu(dialog.Window(), FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), CvanedeskDlg::kIdAbout);
    MENUITEMINFOW separator{};
    separator.cbSize = sizeof separator;
    separator.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoW(menu, count - 2, TRUE, &separator));
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
    wchar_t text[64] = {};
    GetMenuStringW(menu, CvanedeskDlg::kIdAbout, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&About Folivane...");

    dialog.AppendLog("earlier run");
    core_.duringCall = [] { desk::print_log("\r\n%s version %s", "Folivane", "2.08"); };
    SendMessageW(dialog.Window(), WM_SYSCOMMAND, CvanedeskDlg::kIdAbout, 0);
    ASSERT_EQ(core_.calls.size(), 1u);
    EXPECT_EQ(core_.calls[0], std::vector<std::string>{"display_info"});
    EXPECT_EQ(text_of(dialog.LogPane()), "\r\nFolivane version 2.08");
}

TEST_F(WinMainDialog, TheLogPaneIsGreenOnDarkGrey) {
    CvanedeskDlg& dialog = Open();
    EXPECT_TRUE(GetWindowLongW(dialog.LogPane(), GWL_STYLE) & ES_READONLY);
    HDC dc = CreateCompatibleDC(nullptr);
    for (UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT}) {
        SCOPED_TRACE(message);
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkColor(dc, RGB(4, 5, 6));
        const LRESULT brush = SendMessageW(dialog.Window(), message, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(dialog.LogPane()));
        ASSERT_EQ(brush, reinterpret_cast<LRESULT>(dialog.LogBrush()));
        EXPECT_EQ(GetTextColor(dc), RGB(0, 255, 0));
        EXPECT_EQ(GetBkColor(dc), RGB(49, 49, 49));
        LOGBRUSH info{};
        ASSERT_EQ(GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof info, &info),
                  static_cast<int>(sizeof info));
        EXPECT_EQ(info.lbColor, RGB(49, 49, 49));
    }
    // Other controls keep the system colours.
    SetTextColor(dc, RGB(1, 2, 3));
    EXPECT_NE(SendMessageW(dialog.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(Item(CvanedeskDlg::kIdOutput))),
              reinterpret_cast<LRESULT>(dialog.LogBrush()));
    EXPECT_NE(GetTextColor(dc), RGB(0, 255, 0));
    DeleteDC(dc);
}

TEST_F(WinMainDialog, TheLogPaneTakesTextBeyondTheDefaultLimit) {
    CvanedeskDlg& dialog = Open();
    const std::string line(1000, 'x');
    for (int i = 0; i < 40; ++i) dialog.AppendLog(line);
    EXPECT_EQ(GetWindowTextLengthW(dialog.LogPane()), 40000);
}

TEST_F(WinMainDialog, FrenchTextsComeFromTheFrenchTemplate) {
    catalog::set_current_language(catalog::Language::French);
    CvanedeskDlg& dialog = Open();
    EXPECT_EQ(text_of(Item(CvanedeskDlg::kIdStart)), "D\xC3\xA9marrer");
    EXPECT_EQ(text_of(Item(CvanedeskDlg::kIdDisplayResult)), "Affichage r\xC3\xA9sultat");
    EXPECT_EQ(desk::wide_to_utf8(dialog.FileChooser().Caption()), "Parcourir");
    wchar_t text[64] = {};
    GetMenuStringW(GetSystemMenu(dialog.Window(), FALSE), CvanedeskDlg::kIdAbout, text, 64, MF_BYCOMMAND);
    EXPECT_EQ(desk::wide_to_utf8(text), catalog::text(101, catalog::Language::French));
}

}  // namespace
}  // namespace vane::test
