#include "IniFile.h"

#include <fstream>
#include <sstream>

#include "SettingsText.h"

namespace vane::settings {

IniFile IniFile::parse(std::string_view text) {
    IniFile file;
    Section* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string line = trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const std::size_t close = line.rfind(']');
            if (close == std::string::npos) {
                // A damaged header ends the previous section without opening another.
                current = nullptr;
                continue;
            }
            file.sections_.push_back({trim(std::string_view(line).substr(1, close - 1)), {}});
            current = &file.sections_.back();
            continue;
        }
        if (current == nullptr) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            current->entries.push_back({line, std::string()});
        } else {
            const std::string_view view(line);
            current->entries.push_back({trim(view.substr(0, equals)), trim(view.substr(equals + 1))});
        }
    }
    return file;
}

IniFile IniFile::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return IniFile();
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return parse(bytes.str());
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    for (const Section& s : sections_) {
        if (!equal_no_case(s.name, section)) continue;
        for (const Entry& e : s.entries)
            if (equal_no_case(e.key, key)) return e.value.substr(0, kValueMax);
        return std::nullopt;  // only the first section of that name is searched
    }
    return std::nullopt;
}

std::string IniFile::value(std::string_view section, std::string_view key, std::string_view fallback) const {
    std::optional<std::string> found = value(section, key);
    return found ? *found : std::string(fallback.substr(0, kValueMax));
}

}  // namespace vane::settings
