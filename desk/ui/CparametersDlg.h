// The Parameters dialog: shows and edits the current parameters, and saves
// and loads them as named profiles.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include "ParameterExchange.h"
#include "ParameterSession.h"
#include "ParametersView.h"
#include "Prompter.h"

namespace vane::desk {

class CparametersDlg : public QDialog, public ParametersView {
    Q_OBJECT

public:
    static constexpr int kIdSave = 1014;
    static constexpr int kIdLoad = 1015;

    // The controls show the session's current parameters.
    CparametersDlg(QWidget* parent, ParameterSession& session, Prompter& prompter);

    // OK: ends the dialog only when every control reads without failure.
    void accept() override;

    // ParametersView
    bool ReadControls() override;
    void WriteControls() override;
    std::optional<std::string> AskSaveName(const std::string& name) override;
    bool ConfirmOverwrite() override;
    std::optional<std::string> AskLoadName(const std::vector<std::string>& names) override;

private:
    QWidget* Control(int id) const;

    ParameterSession& session_;
    Prompter& prompter_;
    QComboBox* headingLevel_ = nullptr;
    QComboBox* headingLevelPdf_ = nullptr;
    QCheckBox* useHome_ = nullptr;
    QCheckBox* internalLinks_ = nullptr;
    QLineEdit* skipHeadings_ = nullptr;
    QLineEdit* indexWidth_ = nullptr;
    QCheckBox* openBookmarks_ = nullptr;
    QCheckBox* allHeadingsHtml_ = nullptr;
    QCheckBox* allHeadingsPdf_ = nullptr;
    QCheckBox* crossReferences_ = nullptr;
};

}  // namespace vane::desk
