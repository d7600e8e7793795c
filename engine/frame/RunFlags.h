// The run flags that every conversion command reads from its options.
#pragma once

namespace vane {

// Sets verbose (-v), silent (-s, cancelled by -v) and word-visible (-w).
void read_run_flags(int argc, char* argv[]);

}  // namespace vane
