#include "word/BookmarkNames.h"

namespace vane {

std::string reference_field_target(const std::string& code) {
    const std::size_t at = code.find("REF ");
    if (at == std::string::npos) return {};
    std::string name = code.substr(at + 4);
    for (const char* fieldSwitch : {" \\h", " \\H"}) {
        const std::size_t cut = name.find(fieldSwitch);
        if (cut != std::string::npos) name.erase(cut);
    }
    return name;
}

std::string reference_field_bookmark(const std::string& code) {
    std::string name = reference_field_target(code);
    const std::size_t blank = name.find_first_of(" \t");
    if (blank != std::string::npos) name.erase(blank);
    return name;
}

}  // namespace vane
