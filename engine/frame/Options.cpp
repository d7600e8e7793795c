#include "frame/Options.h"

#include <cctype>
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

std::string find_operand(int argc, char* argv[], const char* flagLetters) {
    if (argv == nullptr) return {};
    const auto isFlag = [flagLetters](char c) { return c != '\0' && std::strchr(flagLetters, c) != nullptr; };
    int i = 1;
    while (i < argc && argv[i] != nullptr && argv[i][0] == '-') {
        if (isFlag(argv[i][1])) {
            ++i;
            continue;
        }
        if (i == argc - 1) return {};
        if (argv[i + 1] != nullptr && argv[i + 1][0] != '-') ++i;
        ++i;
    }
    return i < argc && argv[i] != nullptr ? argv[i] : std::string();
}

int leading_int(const char* text) {
    if (text == nullptr) return 0;
    const char* p = text;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    long long value = 0;
    while (std::isdigit(static_cast<unsigned char>(*p))) {
        value = value * 10 + (*p++ - '0');
        if (value > 1000000000LL) break;  // far beyond any level or count
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace vane
