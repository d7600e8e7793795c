#include "frame/CommandWrapper.h"

#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "vanecore/vanecore.h"

namespace vane {

int run_command(const std::function<int()>& body) {
    int result = VANE_ERR_EXCEPTION;
    try {
        result = body();
    } catch (...) {
        result = VANE_ERR_EXCEPTION;
    }
    try {
        print_message(result == VANE_OK ? msg::kSuccess : msg::kFailure);
    } catch (...) {
        // A failing host callback must not turn the result into a crash.
    }
    return result;
}

}  // namespace vane
