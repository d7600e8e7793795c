#include "html/HtmlScan.h"

#include <cstring>
#include <vector>

#include "frame/PathRules.h"
#include "frame/TextUtil.h"

namespace vane::html {

namespace {

inline char lower_ascii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

inline bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::size_t find_tag(std::string_view text, char letter, std::size_t from) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin + (from < text.size() ? from : text.size());
    while (p < end) {
        const void* hit = std::memchr(p, '<', static_cast<std::size_t>(end - p));
        if (hit == nullptr) return kNotFound;
        const char* lt = static_cast<const char*>(hit);
        if (lt + 1 < end && lower_ascii(lt[1]) == letter) return static_cast<std::size_t>(lt - begin);
        p = lt + 1;
    }
    return kNotFound;
}

bool starts_with_nocase(std::string_view text, std::size_t at, std::string_view word) {
    if (at > text.size() || text.size() - at < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (lower_ascii(text[at + i]) != lower_ascii(word[i])) return false;
    return true;
}

std::size_t find_nocase(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty() || text.size() < needle.size()) return kNotFound;
    const char first = needle[0];
    const char firstUpper = (first >= 'a' && first <= 'z') ? static_cast<char>(first - ('a' - 'A')) : first;
    const std::size_t last = text.size() - needle.size();
    for (std::size_t i = from; i <= last; ++i) {
        const char c = text[i];
        if ((c == first || c == firstUpper) && starts_with_nocase(text, i, needle)) return i;
    }
    return kNotFound;
}

AttributeValue find_attribute(std::string_view attributes, std::string_view name) {
    AttributeValue value;
    const std::size_t at = find_nocase(attributes, name);
    if (at == kNotFound) return value;
    std::size_t p = at + name.size();
    while (p < attributes.size() && is_blank(attributes[p])) ++p;
    if (p >= attributes.size()) return value;
    const char quote = attributes[p];
    if (quote == '"' || quote == '\'') {
        const std::size_t close = attributes.find(quote, p + 1);
        if (close == kNotFound) return value;
        value.start = p + 1;
        value.length = close - value.start;
        return value;
    }
    std::size_t end = p;
    while (end < attributes.size() && !is_blank(attributes[end])) ++end;
    value.start = p;
    value.length = end - p;
    return value;
}

std::string normalized(std::string_view text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    normalize_spaces(buffer.data());
    return std::string(buffer.data());
}

std::string heading_text(std::string_view element) {
    std::string joined;
    bool first = true;
    for (std::size_t gt = element.find('>'); gt != kNotFound; gt = element.find('>', gt + 1)) {
        const std::size_t lt = element.find('<', gt + 1);
        const std::size_t end = lt == kNotFound ? element.size() : lt;
        if (!first) joined += ' ';
        first = false;
        joined.append(element.substr(gt + 1, end - gt - 1));
    }
    static constexpr std::string_view kNbsp = "&nbsp;";
    std::string text;
    text.reserve(joined.size());
    for (std::size_t i = 0; i < joined.size();) {
        if (joined.compare(i, kNbsp.size(), kNbsp) == 0) {
            text += ' ';
            i += kNbsp.size();
        } else {
            text += joined[i++];
        }
    }
    return normalized(text);
}

std::string file_name_of(const std::string& path) { return PathRules::native().fileName(path); }

void split_input_path(const std::string& path, std::string& directory, std::string& baseName) {
    const PathRules& rules = PathRules::native();
    const std::size_t slash = rules.lastSeparator(path);
    if (slash == std::string::npos) {
        directory = ".";
        baseName = path;
    } else {
        directory = rules.withoutTrailingSeparators(path.substr(0, slash + 1));
        baseName = path.substr(slash + 1);
    }
    const std::size_t dot = baseName.rfind('.');
    if (dot != std::string::npos) baseName.erase(dot);
}

std::string join_path(const std::string& directory, const std::string& name) {
    return PathRules::native().join(directory, name);
}

}  // namespace vane::html
