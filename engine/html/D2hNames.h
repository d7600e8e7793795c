// The command-line reading and the file names of one d2h run.
#pragma once

#include <filesystem>
#include <string>

#include "frame/PathRules.h"

namespace vane {

// The path itself when it cannot be made canonical (a path that does not exist yet).
std::filesystem::path canonical_or_self(const std::string& path);

// Whether `inner` lies inside directory `outer` (or is it), compared name by
// name as the file system compares them.
bool lies_within(const std::string& inner, const std::string& outer, const PathRules& rules);

// The document operand: the first argument, after the options and their
// values, that does not begin with '-'. The flags a, e, m, s, v, w, x and z take
// no value; every other option takes the next argument unless it begins with
// '-'. Empty when there is none.
std::string find_d2h_operand(int argc, char* argv[]);

struct D2hNames {
    std::string document;         // absolute document path
    std::string outputDirectory;  // without a trailing separator
    std::string baseName;         // document file name without its extension
    std::string workingCopy;      // never the document itself
    std::string sitePage;         // outputDirectory, separator, baseName.html
    std::string fullHtml;         // outputDirectory, separator, baseName_full.html
    // The output directory holds the document (then erasing it is refused).
    bool outputHoldsDocument = false;
};

// Derives every name from the operand, the -o value (empty when absent) and
// the current directory. Both paths are first put in the platform's form
// (Windows: '/' becomes '\\'); a relative one is taken from the current
// directory.
D2hNames derive_d2h_names(const std::string& operand, const std::string& outputOption,
                          const std::string& currentDirectory,
                          const PathRules& rules = PathRules::native());

// The frameset page that holds the index (left) and the pages (right).
std::string frameset_page(const std::string& baseName, const std::string& indexWidth,
                          const std::string& mainPage);

// The site page's copies: "index.html" in the output directory unless the
// site page already is that file (compared without regard to case, as the
// names are on the platforms the sites are read on), and a ".htm" twin when
// the site page ends in ".html". Empty strings when no copy is made. On
// Windows, whose file names ignore case, both are spelled in lower case; a
// case-sensitive system keeps the real spelling so that they land beside
// the site page.
std::string index_copy_path(const D2hNames& names, const PathRules& rules = PathRules::native());
std::string htm_copy_path(const D2hNames& names, const PathRules& rules = PathRules::native());

}  // namespace vane
