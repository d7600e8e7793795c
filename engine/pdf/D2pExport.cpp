#include "frame/CommandWrapper.h"
#include "pdf/D2pCommand.h"
#include "vanecore/vanecore.h"

extern "C" VANECORE_API int d2p(int argc, char* argv[]) {
    return vane::run_command([argc, argv] { return vane::D2pCommand().run(argc, argv); });
}
