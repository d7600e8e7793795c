// Command line of the HTML filter.
#pragma once

#include <string>

namespace vane::filter {

struct FilterOptions {
    bool officeMarkup = false;  // -b
    bool formatting = false;    // -f
    bool anchors = false;       // -a
    std::string input;
    std::string output;
};

// Switches first, then exactly two paths; false on anything else.
bool parse_arguments(int argc, char* argv[], FilterOptions& options);

}  // namespace vane::filter
