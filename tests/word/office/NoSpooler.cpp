// The office tests build the platform layer without the print spooler (and
// without the rest of the engine); nothing in them reaches the spooler.
#include <cstdlib>

#include "platform/Spooler.h"

namespace vane {

Spooler& Spooler::platform() {
    std::abort();
}

}  // namespace vane
