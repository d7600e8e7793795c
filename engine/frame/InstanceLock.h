// The instance lock of the conversion commands: one converting process at a time.
#pragma once

namespace vane {

// Takes the lock "<product>_Instance" unless this process already holds it.
// Prints message 127 and returns false when another process holds it; when the
// lock cannot be created at all the command goes on without it (true) and the
// next command tries again.
bool take_instance_lock();

}  // namespace vane
