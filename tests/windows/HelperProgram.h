// Where the helper program of the Windows tests lies (beside the test program).
#pragma once

#include <string>

namespace vane::test {

// Full path of vane_win_helper.exe.
std::string helper_program();

}  // namespace vane::test
