// The command line that makes the system's printer set-up program install a
// printer driver from the system's driver catalogue (ntprint.inf).
#pragma once

#include <string>

namespace vane {

// "rundll32 printui.dll,PrintUIEntry /ia /m "<driver>" /h "<arch>" /v "<version>"
// /f "<windowsDirectory>\inf\ntprint.inf" /u /q", where <arch> is "x64" on
// AMD64, "IA64" on Itanium and "Intel" otherwise.
std::string driver_setup_command(const std::string& driver, const std::string& version, bool amd64Host,
                                 bool ia64Host, const std::string& windowsDirectory);

}  // namespace vane
