#include "CoreFunctions.h"
#include "vanecore/vanecore.h"

namespace vane::desk {

CoreFunctions linked_core_functions() {
    CoreFunctions core;
    core.d2h = ::d2h;
    core.d2p = ::d2p;
    core.display_info = ::display_info;
    core.check_ghostscript = ::check_ghostscript;
    core.check_distiller = ::check_distiller;
    core.check_winword = ::check_winword;
    return core;
}

}  // namespace vane::desk
