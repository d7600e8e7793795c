#include "HelperProgram.h"

#include <windows.h>

namespace vane::test {

std::string helper_program() {
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string directory(path, length);
    directory.resize(directory.find_last_of('\\') + 1);
    return directory + "vane_win_helper.exe";
}

}  // namespace vane::test
