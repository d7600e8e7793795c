#include "CparametersDlg.h"

#include "CloadDlg.h"
#include "CsaveDlg.h"
#include "DialogTexts.h"
#include "LabelFit.h"
#include "WinText.h"

namespace vane::desk {

namespace {

void fill_list(HWND list, int first, int last) {
    for (int item = first; item <= last; ++item)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(item).c_str()));
}

int selected(HWND list) {
    const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? 0 : static_cast<int>(index);
}

std::wstring replace_all(std::wstring text, const std::wstring& from, const std::wstring& to) {
    for (std::size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

CparametersDlg::CparametersDlg(ParameterSession& session, WinPrompter& prompter)
    : WinDialog(129), session_(session), prompter_(prompter) {}

bool CparametersDlg::OnInitDialog() {
    fill_list(Item(kIdHeadingLevel), 1, 6);
    fill_list(Item(kIdHeadingLevelPdf), 0, 6);
    fit_labels(Window());
    WriteControls();
    return true;
}

void CparametersDlg::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
        case IDOK:
            if (ReadControls()) End(IDOK);
            break;
        case IDCANCEL:
            End(IDCANCEL);
            break;
        case kIdSave:
            session_.Save(*this);
            break;
        case kIdLoad:
            session_.Load(*this);
            break;
        default:
            break;
    }
}

ParameterControls CparametersDlg::Controls() const {
    ParameterControls controls;
    controls.headingLevelIndex = selected(Item(kIdHeadingLevel));
    controls.headingLevelPdfIndex = selected(Item(kIdHeadingLevelPdf));
    controls.indexWidthText = wide_to_utf8(window_text(Item(kIdIndexWidth)));
    controls.internalLinks = IsDlgButtonChecked(Window(), kIdInternalLinks) == BST_CHECKED;
    controls.openBookmarks = IsDlgButtonChecked(Window(), kIdOpenBookmarks) == BST_CHECKED;
    controls.skipHeadingsText = wide_to_utf8(window_text(Item(kIdSkipHeadings)));
    controls.useHome = IsDlgButtonChecked(Window(), kIdUseHome) == BST_CHECKED;
    controls.allHeadingsHtml = IsDlgButtonChecked(Window(), kIdAllHeadingsHtml) == BST_CHECKED;
    controls.allHeadingsPdf = IsDlgButtonChecked(Window(), kIdAllHeadingsPdf) == BST_CHECKED;
    controls.crossReferences = IsDlgButtonChecked(Window(), kIdCrossReferences) == BST_CHECKED;
    return controls;
}

bool CparametersDlg::ReadControls() {
    const ExchangeResult result = read_parameter_controls(Controls(), session_.Current());
    if (result.ok()) return true;

    const catalog::DialogTexts& texts = catalog::dialog_texts(catalog::current_language());
    std::wstring message = widen(texts.enterInteger);
    if (result.error == ExchangeError::OutOfRange)
        message =
            replace_all(replace_all(widen(texts.enterIntegerBetween), L"%1", std::to_wstring(result.minimum)),
                        L"%2", std::to_wstring(result.maximum));
    prompter_.Inform(Window(), message);
    if (HWND control = Item(result.control)) {
        SetFocus(control);
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
    return false;
}

void CparametersDlg::WriteControls() {
    const ParameterControls controls = parameter_controls_for(session_.Current());
    SendMessageW(Item(kIdHeadingLevel), CB_SETCURSEL, static_cast<WPARAM>(controls.headingLevelIndex), 0);
    SendMessageW(Item(kIdHeadingLevelPdf), CB_SETCURSEL, static_cast<WPARAM>(controls.headingLevelPdfIndex),
                 0);
    SetDlgItemTextW(Window(), kIdIndexWidth, widen(controls.indexWidthText).c_str());
    CheckDlgButton(Window(), kIdInternalLinks, controls.internalLinks ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Window(), kIdOpenBookmarks, controls.openBookmarks ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextW(Window(), kIdSkipHeadings, widen(controls.skipHeadingsText).c_str());
    CheckDlgButton(Window(), kIdUseHome, controls.useHome ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Window(), kIdAllHeadingsHtml, controls.allHeadingsHtml ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Window(), kIdAllHeadingsPdf, controls.allHeadingsPdf ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Window(), kIdCrossReferences, controls.crossReferences ? BST_CHECKED : BST_UNCHECKED);
}

std::optional<std::string> CparametersDlg::AskSaveName(const std::string& name) {
    CsaveDlg dialog(name);
    if (dialog.DoModal(Window()) != IDOK) return std::nullopt;
    return dialog.Name();
}

bool CparametersDlg::ConfirmOverwrite() {
    return prompter_.AskYesNo(Window(), message_text(msg::kProfileExists));
}

std::optional<std::string> CparametersDlg::AskLoadName(const std::vector<std::string>& names) {
    CloadDlg dialog(names);
    if (dialog.DoModal(Window()) != IDOK) return std::nullopt;
    return dialog.Chosen();
}

}  // namespace vane::desk
