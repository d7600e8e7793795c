// Finding the Ghostscript program where there is no registry: "gs" in the
// directories of the program search path, then in the usual install places.
#pragma once

#include <string>

namespace vane {

// True when `path` names a regular file that someone may execute.
bool is_executable_file(const std::string& path);

// Looks for "gs" in each absolute directory of `searchPath` (a colon-separated
// list; null or empty for none), then /usr/bin/gs, then /usr/local/bin/gs.
// Sets the Ghostscript path to the first found, or to the last tried when
// none is; true when found.
bool search_ghostscript_on_path(const char* searchPath);

}  // namespace vane
