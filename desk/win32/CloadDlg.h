// The Load dialog (template 132): picks one of the saved profiles.
#pragma once

#include <string>
#include <vector>

#include "WinDialog.h"

namespace vane::desk {

class CloadDlg : public WinDialog {
public:
    static constexpr int kIdList = 1018;

    // names fill the (sorted) list; the first entry is selected.
    explicit CloadDlg(std::vector<std::string> names) : WinDialog(132), names_(std::move(names)) {}

    // The selected entry's text (after OK); empty when the list was empty.
    const std::string& Chosen() const { return chosen_; }

protected:
    bool OnInitDialog() override;
    void OnCommand(int id, int code) override;

private:
    std::vector<std::string> names_;
    std::string chosen_;
};

}  // namespace vane::desk
