#include "discovery/ProducerPaths.h"

namespace vane {

ProducerPaths& producer_paths() {
    static ProducerPaths paths;
    return paths;
}

}  // namespace vane
