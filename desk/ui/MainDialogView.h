// What the main dialog's logic needs from its window: the radio group, the
// log pane, the file chooser, message boxes and the running state.
#pragma once

#include <string>

namespace vane::desk {

class MainDialogView {
public:
    virtual ~MainDialogView() = default;

    // 0 when Html is checked, 1 when Pdf is.
    virtual int Mode() const = 0;
    // Empties the log pane.
    virtual void ClearLog() = 0;
    // The current path of the file chooser.
    virtual std::string DocumentPath() const = 0;
    // Shows catalogue message id in a message box with an OK button and
    // returns once it is closed.
    virtual void ShowMessage(int id) = 0;
    // Disables (true) or enables (false) the controls 1003, 1019, 1004, 1005,
    // 1006, 1002 and 1007, in this order.
    virtual void SetRunning(bool running) = 0;
    // Asks the desktop to open target with its default program; failures are
    // not reported.
    virtual void OpenResult(const std::string& target) = 0;
};

}  // namespace vane::desk
