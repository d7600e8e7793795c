// The unattended actions of vanedesk: install or remove the PostScript
// printer, and the tool checks. Each runs one vanecore export and gives the
// process exit code.
#pragma once

#include <string>
#include <vector>

#include "CCustomCommandLineInfo.h"
#include "VaneCoreApi.h"

namespace vane::desk {

enum class Action { Dialog, Install, Uninstall, CheckGhostscript, CheckDistiller, CheckWord };

// The printer that the PDF route prints through.
inline constexpr const char* kPrinterName = "Folivane";
// The PostScript drivers to try, in order of preference. Under CUPS none of
// the three Windows drivers exists, so the generic PostScript driver (always
// present there) closes the list; Windows tries only its own three.
inline constexpr const char* kWindowsPrinterDrivers =
    "HP C LaserJet 4500-PS;HP Color LaserJet 4500 PS;HP Color LaserJet 2800 Series PS";
#ifdef _WIN32
inline constexpr const char* kPrinterDrivers = kWindowsPrinterDrivers;
#else
inline constexpr const char* kPrinterDrivers =
    "HP C LaserJet 4500-PS;HP Color LaserJet 4500 PS;HP Color LaserJet 2800 Series PS;"
    "Generic PostScript Printer";
#endif

// The first requested action in the order install, uninstall, Ghostscript
// check, Distiller check, Word check; Dialog when none is.
Action choose_action(const CCustomCommandLineInfo& commandLine);

// {"install_printer", "-p", "Folivane", "-d", kPrinterDrivers}
std::vector<std::string> install_arguments();
// {"uninstall_printer", "-p", "Folivane"}
std::vector<std::string> uninstall_arguments();

// Initialises the library with the action's output callback and runs the
// action; returns the exit code. Uninstall removes dataFolder after the
// printer is gone (nothing when dataFolder is empty). Dialog gives 0 and
// calls nothing.
int run_action(Action action, VaneCoreApi& core, const std::string& dataFolder);

}  // namespace vane::desk
