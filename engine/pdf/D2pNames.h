// The command-line reading and the file names of one d2p run.
#pragma once

#include <string>

#include "frame/PathRules.h"

namespace vane {

// The document operand: the first argument after the command name that does
// not begin with '-'. The flags a, k, l, r, s, v and w take no value; every other
// option takes the next argument unless it begins with '-'. A valued option
// that is the last argument leaves no operand. Empty when there is none.
std::string find_d2p_operand(int argc, char* argv[]);

// `path` in the platform's form (Windows: '/' becomes '\\'), made absolute
// against `currentDirectory` when it is relative. Empty stays empty.
std::string absolute_path(const std::string& path, const std::string& currentDirectory,
                          const PathRules& rules = PathRules::native());

struct D2pNames {
    std::string document;     // absolute document path
    std::string workingCopy;  // a free name beside the document, never an existing file
    std::string pdf;          // output PDF; also the file the word processor prints into
    std::string markFile;     // outline and link marks, then the printed file
    std::string job;          // job file, absolute; empty when none
    // Where a word processor that prints through a PDF keeps it until the
    // producer has run (in the temporary folder, which the producer may read);
    // empty: beside `pdf`.
    std::string printedPdf;
};

// Derives every name from the operand, the -o and -j values (empty when
// absent) and the current directory. Neither the output PDF nor the mark
// file is ever the document: the output gets ".pdf" appended when it would
// be, and the mark file a higher number. The working copy is never an
// existing file nor one of the other names: "_fv" is followed by 2, 3, ...
// until it is free.
D2pNames derive_d2p_names(const std::string& operand, const std::string& outputOption,
                          const std::string& jobOption, const std::string& currentDirectory,
                          const PathRules& rules = PathRules::native());

// The printed PDF of the run of process `processId` in `temporaryDirectory`;
// empty when there is no such folder.
std::string printed_pdf_path(const std::string& temporaryDirectory, int processId);

}  // namespace vane
