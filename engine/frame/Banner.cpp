#include "frame/Banner.h"

#include "frame/LibraryState.h"
#include "frame/MessageIds.h"
#include "frame/Messages.h"

namespace vane {

void print_banner() { print_message(msg::kBanner, kUtilityName, kVersion, kNotice, state().product); }

void print_command_banner() {
    if (state().silent) return;
    output_text("\r\n");
    print_banner();
}

}  // namespace vane
