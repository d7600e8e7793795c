// What the parameter flows need from the Parameters dialog and its two
// helper dialogs.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vane::desk {

class ParametersView {
public:
    virtual ~ParametersView() = default;

    // Reads all controls into the current parameters; on a failure shows its
    // message once, focuses the failing control and returns false.
    virtual bool ReadControls() = 0;
    // Shows the current parameters in the controls.
    virtual void WriteControls() = 0;
    // Save dialog pre-filled with name: the name typed, none on Cancel.
    virtual std::optional<std::string> AskSaveName(const std::string& name) = 0;
    // Box 222 with Yes and No: true for Yes.
    virtual bool ConfirmOverwrite() = 0;
    // Load dialog listing names (first one selected): the chosen name, none on Cancel.
    virtual std::optional<std::string> AskLoadName(const std::vector<std::string>& names) = 0;
};

}  // namespace vane::desk
