#include "frame/NotBuilt.h"
#include "vanecore/vanecore.h"

extern "C" VANECORE_API int d2h(int /*argc*/, char* /*argv*/[]) {
    return vane::not_built_command(VANE_ERR_EXCEPTION);
}
