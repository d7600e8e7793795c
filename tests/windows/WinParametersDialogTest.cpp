// The Win32 Parameters dialog made from template 129, hidden: its controls
// show the current parameters, read back into them with the integer checks,
// and Save and Load drive the real Save and Load dialogs.
#include <gtest/gtest.h>
#include <windows.h>

#include "CparametersDlg.h"
#include "CsaveDlg.h"
#include "LabelFit.h"
#include "MessageCatalog.h"
#include "WinDeskFixture.h"
#include "WinText.h"

namespace vane::test {
namespace {

using desk::CparametersDlg;

std::vector<std::string> list_items(HWND list) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(desk::wide_to_utf8(text));
    }
    return items;
}

class WinParametersDialog : public ::testing::Test {
protected:
    void SetUp() override { catalog::set_current_language(catalog::Language::English); }

    CparametersDlg& Open() {
        dialog_ = std::make_unique<CparametersDlg>(profiles_.session, prompter_);
        EXPECT_NE(dialog_->Create(nullptr, false), nullptr);
        return *dialog_;
    }
    HWND Item(int id) const { return GetDlgItem(dialog_->Window(), id); }
    void SetText(int id, const wchar_t* text) { SetDlgItemTextW(dialog_->Window(), id, text); }

    TestProfiles profiles_;
    RecordingPrompter prompter_;
    std::unique_ptr<CparametersDlg> dialog_;
};

TEST_F(WinParametersDialog, ControlsShowTheCurrentParameters) {
    CSetting& current = profiles_.session.Current();
    current.HeadingLevel = 2;
    current.HeadingLevelPdf = 6;
    current.IndexWidth = 345;
    current.SkipHeadings = 3;
    current.InternalLinks = false;
    current.OpenBookmarks = true;
    current.UseHome = true;
    current.AllHeadingsPdf = true;
    CparametersDlg& dialog = Open();
    EXPECT_EQ(list_items(Item(desk::kIdHeadingLevel)),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(list_items(Item(desk::kIdHeadingLevelPdf)),
              (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(text_of(dialog.Window()), "Folivane - Parameters");
    const desk::ParameterControls controls = dialog.Controls();
    EXPECT_EQ(controls.headingLevelIndex, 2);
    EXPECT_EQ(controls.headingLevelPdfIndex, 6);
    EXPECT_EQ(text_of(Item(desk::kIdIndexWidth)), "345");
    EXPECT_EQ(text_of(Item(desk::kIdSkipHeadings)), "3");
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), desk::kIdInternalLinks), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), desk::kIdOpenBookmarks), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), desk::kIdUseHome), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), desk::kIdAllHeadingsHtml), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), desk::kIdAllHeadingsPdf), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), desk::kIdCrossReferences), BST_UNCHECKED);
}

TEST_F(WinParametersDialog, LabelsShowTheirWholeTextWithoutCoveringTheNextControl) {
    for (catalog::Language language : {catalog::Language::English, catalog::Language::French}) {
        SCOPED_TRACE(language == catalog::Language::French ? "French" : "English");
        catalog::set_current_language(language);
        CparametersDlg& dialog = Open();
        int labels = 0;
        for (HWND label = GetWindow(dialog.Window(), GW_CHILD); label != nullptr;
             label = GetWindow(label, GW_HWNDNEXT)) {
            wchar_t type[16] = {};
            GetClassNameW(label, type, 16);
            if (lstrcmpiW(type, L"Static") != 0) continue;
            ++labels;
            SCOPED_TRACE(text_of(label));
            RECT rect{};
            GetWindowRect(label, &rect);
            EXPECT_LE(desk::text_width(label), rect.right - rect.left);
            for (HWND other = GetWindow(dialog.Window(), GW_CHILD); other != nullptr;
                 other = GetWindow(other, GW_HWNDNEXT)) {
                RECT next{};
                GetWindowRect(other, &next);
                const bool sameRow = next.top < rect.bottom && next.bottom > rect.top;
                if (other != label && sameRow && next.left > rect.left) {
                    EXPECT_LE(rect.right, next.left);
                }
            }
        }
        EXPECT_EQ(labels, 10);
    }
    catalog::set_current_language(catalog::Language::English);
}

TEST_F(WinParametersDialog, OkReadsTheControlsIntoTheCurrentParameters) {
    CparametersDlg& dialog = Open();
    SendMessageW(Item(desk::kIdHeadingLevel), CB_SETCURSEL, 3, 0);
    SendMessageW(Item(desk::kIdHeadingLevelPdf), CB_SETCURSEL, 1, 0);
    SetText(desk::kIdIndexWidth, L"250");
    SetText(desk::kIdSkipHeadings, L"2");
    CheckDlgButton(dialog.Window(), desk::kIdInternalLinks, BST_UNCHECKED);
    CheckDlgButton(dialog.Window(), desk::kIdUseHome, BST_UNCHECKED);
    CheckDlgButton(dialog.Window(), desk::kIdAllHeadingsHtml, BST_CHECKED);
    CheckDlgButton(dialog.Window(), desk::kIdCrossReferences, BST_CHECKED);
    SendMessageW(dialog.Window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(dialog.Result(), IDOK);
    EXPECT_EQ(dialog.Window(), nullptr);
    const CSetting& current = profiles_.session.Current();
    EXPECT_EQ(current.HeadingLevel, 3);
    EXPECT_EQ(current.HeadingLevelPdf, 1);
    EXPECT_EQ(current.IndexWidth, 250);
    EXPECT_EQ(current.SkipHeadings, 2);
    EXPECT_FALSE(current.InternalLinks);
    EXPECT_FALSE(current.UseHome);
    EXPECT_TRUE(current.AllHeadingsHtml);
    EXPECT_FALSE(current.AllHeadingsPdf);
    EXPECT_TRUE(current.CrossReferences);
    EXPECT_TRUE(prompter_.informed.empty());
}

TEST_F(WinParametersDialog, ABadNumberKeepsTheDialogOpenWithItsMessage) {
    struct Case {
        int control;
        const wchar_t* text;
        const wchar_t* message;
    };
    const Case cases[] = {
        {desk::kIdIndexWidth, L"1500", L"Enter an integer between 0 and 1000."},
        {desk::kIdIndexWidth, L"", L"Enter an integer."},
        {desk::kIdSkipHeadings, L"1001", L"Enter an integer between 0 and 1000."},
    };
    CparametersDlg& dialog = Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(desk::wide_to_utf8(c.text));
        SetText(desk::kIdIndexWidth, L"200");
        SetText(desk::kIdSkipHeadings, L"0");
        SetText(c.control, c.text);
        prompter_.informed.clear();
        SendMessageW(dialog.Window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ASSERT_NE(dialog.Window(), nullptr);
        ASSERT_EQ(prompter_.informed.size(), 1u);
        EXPECT_EQ(prompter_.informed[0], c.message);
    }
    // A number out of range stays in its field as typed.
    EXPECT_EQ(profiles_.session.Current().SkipHeadings, 1001);
}

TEST_F(WinParametersDialog, SaveAsksForANameInTheSaveDialogAndStoresTheProfile) {
    CparametersDlg& dialog = Open();
    SetText(desk::kIdIndexWidth, L"420");
    {
        ModalAnswer answer(L"Folivane - Save parameters", [](HWND save) {
            EXPECT_EQ(text_of(GetDlgItem(save, desk::CsaveDlg::kIdName)), "");
            SetDlgItemTextW(save, desk::CsaveDlg::kIdName, L"Wide index");
        });
        SendMessageW(dialog.Window(), WM_COMMAND, MAKEWPARAM(CparametersDlg::kIdSave, BN_CLICKED), 0);
        EXPECT_TRUE(ModalAnswer::Answered());
    }
    const CSetting* saved = profiles_.settings.Find("Wide index");
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->IndexWidth, 420);
    EXPECT_EQ(profiles_.session.CurrentProfileName(), "Wide index");
}

TEST_F(WinParametersDialog, LoadListsTheProfilesAndCopiesTheChosenOne) {
    auto narrow = std::make_unique<CSetting>("Narrow");
    narrow->IndexWidth = 120;
    profiles_.settings.Store(std::move(narrow));
    auto basic = std::make_unique<CSetting>("basic");
    basic->IndexWidth = 150;
    profiles_.settings.Store(std::move(basic));
    CparametersDlg& dialog = Open();
    std::vector<std::string> listed;
    {
        ModalAnswer answer(L"Folivane - Load parameters", [&](HWND load) {
            HWND list = GetDlgItem(load, 1018);
            listed = list_items(list);
            SendMessageW(list, CB_SETCURSEL, 1, 0);
        });
        SendMessageW(dialog.Window(), WM_COMMAND, MAKEWPARAM(CparametersDlg::kIdLoad, BN_CLICKED), 0);
        EXPECT_TRUE(ModalAnswer::Answered());
    }
    // The sorted list ignores letter case; PM_CurrentSetting is not offered.
    EXPECT_EQ(listed, (std::vector<std::string>{"basic", "Narrow"}));
    EXPECT_EQ(profiles_.session.Current().IndexWidth, 120);
    EXPECT_EQ(text_of(Item(desk::kIdIndexWidth)), "120");
    EXPECT_EQ(profiles_.session.CurrentProfileName(), "Narrow");
}

}  // namespace
}  // namespace vane::test
