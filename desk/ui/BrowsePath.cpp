#include "BrowsePath.h"

#include "SettingsText.h"

namespace vane::desk {

BrowsePath::~BrowsePath() = default;

void BrowsePath::SetPath(const std::string& path) {
    chosen_.assign(1, path);
    typed_ = false;
    typedText_ = path;
}

void BrowsePath::Choose(std::vector<std::string> paths) {
    chosen_ = std::move(paths);
    typed_ = false;
    typedText_ = chosen_.empty() ? std::string() : chosen_.front();
}

void BrowsePath::TextChanged(const std::string& text, bool browsing, bool editable) {
    if (browsing || !editable) return;
    typedText_ = text;
    typed_ = true;
}

std::string BrowsePath::CurrentPath() const {
    const std::string first = chosen_.empty() ? std::string() : chosen_.front();
    if (typed_ && !settings::equal_no_case(typedText_, first)) return typedText_;
    return first;
}

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

}  // namespace

std::string qt_file_filter(const std::string& filter) {
    // The pairs end at the first "||"; a filter without it ends with the text.
    const std::size_t end = filter.find("||");
    std::vector<std::string> parts = split(filter.substr(0, end), '|');
    std::string result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string description = settings::trim(parts[i]);
        if (!description.empty() && description.back() == ')') {
            const std::size_t open = description.rfind('(');
            if (open != std::string::npos) description = settings::trim(description.substr(0, open));
        }
        std::string patterns;
        for (const std::string& pattern : split(parts[i + 1], ';')) {
            std::string trimmed = settings::trim(pattern);
            if (trimmed.empty()) continue;
            if (trimmed == "*.*") trimmed = "*";
            if (!patterns.empty()) patterns += ' ';
            patterns += trimmed;
        }
        if (patterns.empty()) continue;
        if (!result.empty()) result += ";;";
        result += description.empty() ? patterns : description + " (" + patterns + ")";
    }
    return result;
}

}  // namespace vane::desk
