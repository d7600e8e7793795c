// The Windows shell services the desk program uses: the common
// application-data folder, the thread's user-interface language and the
// shell verb "open".
#pragma once

#include <string>

namespace vane::win32 {

// The common application-data folder (ProgramData) in the system code page;
// empty when the shell does not know it.
std::string common_data_folder();

// The language of the calling thread's user interface (1033 English, 1036
// French, ...).
int thread_ui_language();

// Opens `path` with the shell's "open" verb; true when the shell accepted it.
bool shell_open(const std::string& path);

}  // namespace vane::win32
