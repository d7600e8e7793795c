#include "vanecore/vanecore.h"

extern "C" VANECORE_API bool check_ghostscript(void) { return false; }

extern "C" VANECORE_API bool check_distiller(void) { return false; }

extern "C" VANECORE_API int check_winword(void) { return 0; }
