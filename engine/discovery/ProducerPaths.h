// Full paths of the PDF producers, set by the searches (and by d2p's -c) and
// read by the producer runners. Process-wide, empty at load, overwritten by
// every search that gets as far as building a path.
#pragma once

#include <string>

namespace vane {

struct ProducerPaths {
    std::string ghostscript;
    std::string distiller;
};

ProducerPaths& producer_paths();

}  // namespace vane
