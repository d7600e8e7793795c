// The Parameters dialog (template 129): shows and edits the current
// parameters, and saves and loads them as named profiles.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "MessageBoxPrompter.h"
#include "ParameterExchange.h"
#include "ParameterSession.h"
#include "ParametersView.h"
#include "WinDialog.h"

namespace vane::desk {

class CparametersDlg : public WinDialog, public ParametersView {
public:
    static constexpr int kIdSave = 1014;
    static constexpr int kIdLoad = 1015;

    // The controls show the session's current parameters.
    CparametersDlg(ParameterSession& session, WinPrompter& prompter);

    // The control states as the field exchange reads them.
    ParameterControls Controls() const;

    // ParametersView
    bool ReadControls() override;
    void WriteControls() override;
    std::optional<std::string> AskSaveName(const std::string& name) override;
    bool ConfirmOverwrite() override;
    std::optional<std::string> AskLoadName(const std::vector<std::string>& names) override;

protected:
    bool OnInitDialog() override;
    void OnCommand(int id, int code) override;

private:
    ParameterSession& session_;
    WinPrompter& prompter_;
};

}  // namespace vane::desk
