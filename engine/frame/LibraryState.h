// Process-wide state of vanecore: the host callbacks, the automation-runtime
// flag, processor flags, the run flags of the last conversion command, the
// instance lock and the option value buffer. One instance per process.
#pragma once

#include <memory>

#include "platform/NamedLock.h"
#include "vanecore/vanecore.h"

namespace vane {

inline constexpr int kOptionValueSize = 2048;  // 2047 characters and terminator

struct LibraryState {
    OutputCallback output = nullptr;
    MessageCallback message = nullptr;
    void* owner = nullptr;           // the host's main window; kept, never used
    char product[64] = "Folivane";   // after normalize_spaces
    bool comReady = false;
    bool amd64Host = false;          // processor architecture code 9
    bool ia64Host = false;           // processor architecture code 6
    bool verbose = false;
    bool silent = false;
    bool wordVisible = false;
    std::unique_ptr<NamedLock> instanceLock;  // held until the process ends
    char optionValue[kOptionValueSize] = {};
};

// The single library state.
LibraryState& state();

}  // namespace vane
