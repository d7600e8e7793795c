// The steps of installing and removing the PostScript file printer, on the
// spooler of env().
#pragma once

#include <string>

namespace vane {

// Results of remove_printer.
inline constexpr int kPrinterRemoved = 0;  // removed, or there was none
inline constexpr int kPrinterUnreadable = 1;
inline constexpr int kPrinterHasJobs = 2;
inline constexpr int kPrinterDeleteRefused = 3;

// Removes printer `name` unless it still has unfinished jobs.
int remove_printer(const std::string& name);

// Adds printer `name` with the first driver of the ";"-separated `drivers`
// that is (or can be made) available: 0 when a printer was added.
int add_printer_from_list(const std::string& drivers, const std::string& name);

// 0 when driver `driver` is installed afterwards, 1 otherwise. Where drivers
// come from the system's set-up program, it is run first for `version`.
int ensure_driver(const std::string& driver, const std::string& version);

}  // namespace vane
