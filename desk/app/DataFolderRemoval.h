// Removes the program's data folder on uninstall.
#pragma once

#include <string>

namespace vane::desk {

// Deletes the files of folder and, the same way, its subfolders whose names do
// not begin with "."; then removes folder itself, which fails while anything
// is left in it. A symbolic link is removed, never followed. Failures are
// ignored and do not stop the walk. Nothing happens for an empty path.
void remove_data_folder(const std::string& folder);

}  // namespace vane::desk
