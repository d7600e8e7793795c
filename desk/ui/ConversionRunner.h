// Builds the argument vector of d2h or d2p from the current parameters and
// calls the export.
#pragma once

#include <string>
#include <vector>

#include "CSetting.h"
#include "CoreFunctions.h"

namespace vane::desk {

enum class OutputKind { Html = 1, Pdf = 2 };

// The printer that d2p prints through (the one the install action creates).
inline constexpr const char* kPdfPrinterName = "Folivane";

// d2h -v -e [-m] [-a] -p <IndexWidth> -d <HeadingLevel + 1> -k <SkipHeadings> <path>
std::vector<std::string> d2h_arguments(const CSetting& parameters, const std::string& path);
// d2p -v -p Folivane -d <HeadingLevelPdf> [-l] [-k] [-a] [-r] <path>
std::vector<std::string> d2p_arguments(const CSetting& parameters, const std::string& path);

// Calls d2h or d2p with the vector for kind; nothing for an empty path. The
// command's result is not examined: the library reports it in the log.
void run_conversion(const CoreFunctions& core, const CSetting& parameters, const std::string& path,
                    OutputKind kind);

}  // namespace vane::desk
