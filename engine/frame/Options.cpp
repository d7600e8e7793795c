#include "frame/Options.h"

#include <cstring>

#include "frame/LibraryState.h"
#include "frame/TextUtil.h"

namespace vane {

int get_option(char letter, int argc, char* argv[], bool takesValue) {
    if (argv == nullptr) return kOptionAbsent;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg == nullptr || arg[0] != '-' || arg[1] == '\0' || arg[1] != letter) continue;
        // An over-long argument does not fit the parser's work buffer.
        if (std::strlen(arg) >= kOptionValueSize) return kOptionAbsent;
        if (!takesValue) return kOptionPresent;
        if (i + 1 >= argc || argv[i + 1] == nullptr || argv[i + 1][0] == '-') return kOptionAbsent;
        const char* value = argv[i + 1];
        if (std::strlen(value) >= kOptionValueSize) return kOptionAbsent;
        std::strcpy(state().optionValue, value);
        normalize_spaces(state().optionValue);
        return kOptionPresent;
    }
    return kOptionAbsent;
}

const char* option_value() { return state().optionValue; }

}  // namespace vane
