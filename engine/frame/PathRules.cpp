#include "frame/PathRules.h"

#include <algorithm>
#include <cctype>

namespace vane {

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool has_drive(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

}  // namespace

const PathRules& PathRules::posix() {
    static const PathRules rules(Style::Posix);
    return rules;
}

const PathRules& PathRules::windows() {
    static const PathRules rules(Style::Windows);
    return rules;
}

const PathRules& PathRules::native() {
#ifdef _WIN32
    return windows();
#else
    return posix();
#endif
}

std::string PathRules::normalized(std::string path) const {
    if (style_ == Style::Windows) std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// The length of the root that starts the path: "/" (POSIX); "X:\", "\" or
// "\\server\share" (Windows). 0 for a relative path and for "X:name".
std::size_t PathRules::rootLength(const std::string& path) const {
    if (path.empty()) return 0;
    if (style_ == Style::Posix) return path[0] == '/' ? 1 : 0;
    if (has_drive(path)) return path.size() > 2 && isSeparator(path[2]) ? 3 : 0;
    if (!isSeparator(path[0])) return 0;
    if (path.size() < 2 || !isSeparator(path[1])) return 1;
    // "\\server\share": up to the end of the share name.
    std::size_t end = path.find_first_of("\\/", 2);
    if (end == std::string::npos) return path.size();
    end = path.find_first_of("\\/", end + 1);
    return end == std::string::npos ? path.size() : end;
}

bool PathRules::isAbsolute(const std::string& path) const { return rootLength(path) > 0; }

std::string PathRules::absolute(const std::string& path, const std::string& currentDirectory) const {
    const std::string p = normalized(path);
    if (p.empty()) return p;
    const std::string cwd = normalized(currentDirectory);
    if (style_ == Style::Posix) return isAbsolute(p) ? p : join(cwd, p);
    if (has_drive(p)) {
        if (p.size() > 2 && isSeparator(p[2])) return p;
        // "X:name": relative to the current directory when that is on drive X.
        const std::string rest = p.substr(2);
        if (has_drive(cwd) && lower(cwd[0]) == lower(p[0])) return rest.empty() ? cwd : join(cwd, rest);
        return p.substr(0, 2) + separator() + rest;
    }
    if (isSeparator(p[0])) {
        if (p.size() > 1 && isSeparator(p[1])) return p;  // "\\server\share\..."
        // "\name": on the current directory's drive (or share).
        const std::size_t root = rootLength(cwd);
        return cwd.substr(0, has_drive(cwd) ? 2 : (root > 1 ? root : 0)) + p;
    }
    return join(cwd, p);
}

std::string PathRules::join(const std::string& directory, const std::string& name) const {
    if (directory.empty()) return name;
    if (isSeparator(directory.back())) return directory + name;
    return directory + separator() + name;
}

std::size_t PathRules::lastSeparator(const std::string& path) const {
    return style_ == Style::Windows ? path.find_last_of("\\/") : path.rfind('/');
}

std::string PathRules::fileName(const std::string& path) const {
    const std::size_t cut = lastSeparator(path);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string PathRules::withoutTrailingSeparators(std::string path) const {
    const std::size_t keep = std::max<std::size_t>(rootLength(path), 1);
    while (path.size() > keep && isSeparator(path.back())) path.pop_back();
    return path;
}

bool PathRules::isRoot(const std::string& path) const {
    const std::size_t root = rootLength(path);
    return root > 0 && withoutTrailingSeparators(path).size() == root;
}

bool PathRules::sameSpelling(const std::string& a, const std::string& b) const {
    if (style_ == Style::Posix) return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace vane
