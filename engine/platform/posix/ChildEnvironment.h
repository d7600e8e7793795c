// The runtime directory (XDG_RUNTIME_DIR) of the programs vanecore starts and
// of the desk program. Toolkits (Qt, the office's) warn on the console when it
// is not set and make a directory of their own; when the caller has no usable
// one, they get a private one instead.
#pragma once

#include <string>
#include <vector>

namespace vane {

// True when `path` is absolute and names a directory.
bool is_usable_runtime_directory(const char* path);

// <parent>/vane-runtime-<uid>: made with mode 0700 when missing, and used only
// when it is a real directory (no symbolic link) of this user that no one else
// may enter. Kept between runs, like a session's runtime directory. Empty when
// there is no such directory.
std::string private_runtime_directory(const std::string& parent);

// The path private_runtime_directory("/tmp") makes and checks.
std::string private_runtime_path();

// When XDG_RUNTIME_DIR names no usable directory, sets it to
// private_runtime_directory("/tmp") for this process (before a toolkit starts).
void provide_runtime_directory();

// This process's environment ("NAME=value" entries), with XDG_RUNTIME_DIR set
// to private_runtime_directory("/tmp") when this process has no usable one.
// Lock files stay where the caller's variable puts them (runtime_directory()
// counts the private directory as none).
std::vector<std::string> child_environment();

}  // namespace vane
