#include "frame/CommandWrapper.h"
#include "html/D2hCommand.h"
#include "vanecore/vanecore.h"

extern "C" VANECORE_API int d2h(int argc, char* argv[]) {
    return vane::run_command([argc, argv] { return vane::D2hCommand().run(argc, argv); });
}
