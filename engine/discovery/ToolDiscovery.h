// The producer searches as the commands call them; each platform runs its
// own kind of search (the registry on Windows, the program search path elsewhere).
#pragma once

#include <string>

namespace vane {

// Looks for the Ghostscript console program; true when found, its full path
// then being producer_paths().ghostscript.
bool find_ghostscript();

// Looks for Distiller; true when found, its full path then being
// producer_paths().distiller. Always false where Distiller does not exist.
bool find_distiller();

// The Ghostscript program of an installation folder (the one holding "bin"),
// as d2p's -c names it. True when the program exists, its path then being set;
// otherwise nothing is set and the caller runs find_ghostscript().
bool use_ghostscript_folder(const std::string& folder);

}  // namespace vane
