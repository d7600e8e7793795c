// What an export answers while its command is not part of this build: the
// command's failure result, closed by message 125. It never pretends success.
#pragma once

namespace vane {

int not_built_command(int failureResult);

}  // namespace vane
