#include "frame/Automation.h"

#include "frame/LibraryState.h"
#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "platform/Env.h"

namespace vane {

void init_automation_for_library() {
    LibraryState& s = state();
    if (s.comReady) return;
    if (env().initializeAutomation() != 0) print_message(msg::kOleInitFailed);
    if (env().initializeAutomationSecurity() != 0) print_message(msg::kSecurityInitFailed);
    s.comReady = true;
}

bool ensure_automation_for_command() {
    LibraryState& s = state();
    if (s.comReady) return true;
    if (env().initializeAutomation() != 0) {
        print_message(msg::kOleInitFailed);
        return false;
    }
    if (env().initializeAutomationSecurity() != 0) {
        print_message(msg::kSecurityInitFailed);
        return false;
    }
    s.comReady = true;
    return true;
}

}  // namespace vane
