// The command-line readers: the option parser, the d2h and d2p operand scans,
// both forms of space normalisation and the leading integers. The first byte
// picks the option letter and whether it takes a value; the rest, cut at each
// NUL byte, is the argument vector.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "frame/Options.h"
#include "frame/TextUtil.h"
#include "html/D2hNames.h"
#include "pdf/D2pNames.h"

using vane::fuzz::Bytes;
using vane::fuzz::require;

namespace {

// The operand a scan returns is one of the arguments after the command name
// and never an option.
void check_operand(const std::string& operand, const std::vector<std::string>& args) {
    if (operand.empty()) return;
    require(operand[0] != '-', "operand starts with '-'");
    bool found = false;
    for (std::size_t i = 1; i < args.size() && !found; ++i) found = args[i] == operand;
    require(found, "operand is not an argument");
}

void check_normalized(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        require(*c != '\t' && *c != '\n' && *c != '\r', "control character left after normalising");
        require(!(c[0] == ' ' && c[1] == ' '), "double space left after normalising");
    }
    require(text[0] != ' ', "leading space left after normalising");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const uint8_t pick = in.take();
    const char letter = static_cast<char>(pick & 0x7f);
    const bool takesValue = (pick & 0x80) != 0;

    std::vector<std::string> args;
    const std::string rest = in.rest();
    std::size_t start = 0;
    while (start <= rest.size()) {
        const std::size_t end = std::min(rest.find('\0', start), rest.size());
        args.push_back(rest.substr(start, end - start));
        start = end + 1;
    }
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(args.size());

    if (vane::get_option(letter, argc, argv.data(), takesValue) == vane::kOptionPresent && takesValue) {
        const char* value = vane::option_value();
        require(std::strlen(value) < 2048, "option value longer than its buffer");
        check_normalized(value);
    }
    check_operand(vane::find_d2h_operand(argc, argv.data()), args);
    check_operand(vane::find_d2p_operand(argc, argv.data()), args);

    for (const std::string& arg : args) {
        std::string copy = arg;
        vane::normalize_spaces(copy.data());
        require(std::strlen(copy.c_str()) <= arg.size(), "in-place normalising grew the text");
        check_normalized(copy.c_str());
        for (const bool removeAll : {false, true}) {
            const std::string normal = vane::normalize_spaces(arg, removeAll);
            require(normal.find_first_of("\t\r\n") == std::string::npos, "control character left");
            if (removeAll) require(normal.find(' ') == std::string::npos, "space left under removeAllSpaces");
        }
        (void)vane::leading_int(arg.c_str());
    }
    return 0;
}
