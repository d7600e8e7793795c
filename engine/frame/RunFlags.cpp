#include "frame/RunFlags.h"

#include "frame/LibraryState.h"
#include "frame/Options.h"

namespace vane {

void read_run_flags(int argc, char* argv[]) {
    LibraryState& s = state();
    s.verbose = get_option('v', argc, argv, false) == kOptionPresent;
    s.silent = !s.verbose && get_option('s', argc, argv, false) == kOptionPresent;
    s.wordVisible = get_option('w', argc, argv, false) == kOptionPresent;
}

}  // namespace vane
