// The Save dialog (template 131): the name to save the parameters under.
#pragma once

#include <string>

#include "WinDialog.h"

namespace vane::desk {

class CsaveDlg : public WinDialog {
public:
    static constexpr int kIdName = 1016;

    // name pre-fills the edit.
    explicit CsaveDlg(const std::string& name) : WinDialog(131), name_(name) {}

    // The name as typed (after OK).
    const std::string& Name() const { return name_; }

protected:
    bool OnInitDialog() override;
    void OnCommand(int id, int code) override;

private:
    std::string name_;
};

}  // namespace vane::desk
