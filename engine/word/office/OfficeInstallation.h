// Where the office installation lives (fixed when the module is built).
#pragma once

#include <string>

#ifndef VANE_OFFICE_PROGRAM_DIR
#define VANE_OFFICE_PROGRAM_DIR "/usr/lib/libreoffice/program"
#endif

namespace vane {

inline std::string office_program_directory() {
    return VANE_OFFICE_PROGRAM_DIR;
}

}  // namespace vane
