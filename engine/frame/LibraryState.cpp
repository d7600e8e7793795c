#include "frame/LibraryState.h"

namespace vane {

LibraryState& state() {
    static LibraryState instance;
    return instance;
}

}  // namespace vane
