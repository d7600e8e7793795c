#include "frame/NotBuilt.h"
#include "vanecore/vanecore.h"

namespace {
constexpr int kPrinterFailure = -15;
}

extern "C" VANECORE_API int install_printer(int /*argc*/, char* /*argv*/[]) {
    return vane::not_built_command(kPrinterFailure);
}

extern "C" VANECORE_API int uninstall_printer(int /*argc*/, char* /*argv*/[]) {
    return vane::not_built_command(kPrinterFailure);
}
