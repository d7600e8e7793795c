#include "frame/NotBuilt.h"

#include "frame/CommandWrapper.h"

namespace vane {

int not_built_command(int failureResult) {
    return run_command([failureResult] { return failureResult; });
}

}  // namespace vane
