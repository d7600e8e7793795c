#include "discovery/ToolDiscovery.h"
#include "discovery/WordCheck.h"
#include "vanecore/vanecore.h"

extern "C" VANECORE_API bool check_ghostscript(void) {
    return vane::find_ghostscript();
}

extern "C" VANECORE_API bool check_distiller(void) {
    return vane::find_distiller();
}

extern "C" VANECORE_API int check_winword(void) {
    return vane::word_major_version();
}
