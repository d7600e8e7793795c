#include "ShellOpener.h"

#include "WinShell.h"

namespace vane::desk {

void ShellOpener::Open(const std::string& target) {
    // The user's default program opens it; a failure is not reported.
    win32::shell_open(target);
}

}  // namespace vane::desk
