// The frame's exports: InitLib and display_info.
#include <cstring>

#include "frame/Automation.h"
#include "frame/Banner.h"
#include "frame/LibraryState.h"
#include "frame/TextUtil.h"
#include "platform/Env.h"
#include "vanecore/vanecore.h"

extern "C" VANECORE_API void InitLib(OutputCallback output, MessageCallback message, void* owner) {
    try {
        vane::LibraryState& s = vane::state();
        s.output = output;
        s.message = message;
        s.owner = owner;
        std::strcpy(s.product, "Folivane");
        vane::normalize_spaces(s.product);
        vane::init_automation_for_library();
        const int arch = vane::env().processorArchitecture();
        s.amd64Host = arch == vane::kArchAMD64;
        s.ia64Host = arch == vane::kArchIA64;
    } catch (...) {
        // Nothing may escape to the host; InitLib reports no result.
    }
}

extern "C" VANECORE_API int display_info(int /*argc*/, char* /*argv*/[]) {
    try {
        vane::print_banner();
    } catch (...) {
    }
    return 0;
}
