#include "frame/InstanceLock.h"

#include <string>

#include "frame/LibraryState.h"
#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "platform/Env.h"

namespace vane {

bool take_instance_lock() {
    LibraryState& s = state();
    if (s.instanceLock) return true;
    const std::string name = std::string(s.product) + "_Instance";
    switch (env().acquireNamedLock(name, s.instanceLock)) {
        case LockResult::Acquired:
        case LockResult::Failed:
            return true;
        case LockResult::HeldElsewhere:
            print_message(msg::kMultipleInstances);
            return false;
    }
    return true;
}

}  // namespace vane
