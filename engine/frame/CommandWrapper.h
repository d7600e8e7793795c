// Runs a command's body so that nothing escapes to the host: an exception
// becomes -1, and the closing message says how it ended (124 for 0, 125 else).
#pragma once

#include <functional>

namespace vane {

int run_command(const std::function<int()>& body);

}  // namespace vane
