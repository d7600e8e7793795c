// The producer searches over the registry: each producer's key holds one
// subkey per installed version; the last one enumerated whose name reads as
// a positive number is used.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "discovery/Registry.h"

namespace vane {

inline constexpr const char* kGhostscriptKey = "SOFTWARE\\GPL Ghostscript";
inline constexpr const char* kDistillerKey = "SOFTWARE\\Adobe\\Acrobat Distiller";

// Tells whether a program file exists.
using FileProbe = std::function<bool(const std::string&)>;

// The leading decimal number of a subkey name ("9.05" 9.05, "10beta" 10,
// "current" 0).
double version_number(const std::string& name);

// Name of the version subkey of an open producer key; nothing when none qualifies.
std::optional<std::string> choose_version_subkey(Registry& registry, const RegistryKey& key);

// Reads the string value `valueName` of the version subkey of `keyPath`
// (64-bit view, then 32-bit, then default); nothing when any step fails.
// Every key opened is closed before it returns.
std::optional<std::string> read_version_value(Registry& registry, const std::string& keyPath,
                                              const std::string& valueName);

// The Ghostscript console program from the library path in "GS_DLL": the
// folder up to its "\bin", then gswin32c.exe, else gswin64c.exe. Sets the
// Ghostscript path once it has built one; true when that file exists.
bool search_ghostscript_in_registry(Registry& registry, const FileProbe& exists);

// acrodist.exe in the folder "InstallPath" names. Sets the Distiller path
// once built; true when that file exists.
bool search_distiller_in_registry(Registry& registry, const FileProbe& exists);

}  // namespace vane
