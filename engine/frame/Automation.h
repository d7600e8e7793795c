// Initialisation of the automation runtime (COM on Windows) for the process.
#pragma once

namespace vane {

// InitLib's step: initialise once, report failures (103, 104) and mark the
// runtime ready whatever the results.
void init_automation_for_library();

// A conversion command's step: when not yet ready, initialise; a failure
// prints 103 or 104 and gives false (the command ends with -2).
bool ensure_automation_for_command();

}  // namespace vane
