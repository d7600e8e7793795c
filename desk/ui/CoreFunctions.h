// The vanecore exports that the dialogs call, as a table of functions so that
// tests can stand in for the library.
#pragma once

#include <functional>

namespace vane::desk {

struct CoreFunctions {
    std::function<int(int argc, char* argv[])> d2h;
    std::function<int(int argc, char* argv[])> d2p;
    std::function<int(int argc, char* argv[])> display_info;
    std::function<bool()> check_ghostscript;
    std::function<bool()> check_distiller;
    std::function<int()> check_winword;
};

// The table bound to the linked vanecore library.
CoreFunctions linked_core_functions();

}  // namespace vane::desk
