// How the commands read the paths they are given and build the names of the
// files they make: '/' paths on POSIX systems; '\\' paths with drive letters
// on Windows, where a '/' given by the user is turned into '\\'.
#pragma once

#include <cstddef>
#include <string>

namespace vane {

class PathRules {
public:
    enum class Style { Posix, Windows };

    explicit PathRules(Style style) : style_(style) {}
    virtual ~PathRules() = default;

    // The rules of the platform this library was built for.
    static const PathRules& native();
    static const PathRules& posix();
    static const PathRules& windows();

    Style style() const { return style_; }
    char separator() const { return style_ == Style::Windows ? '\\' : '/'; }
    bool isSeparator(char c) const { return c == '/' || (style_ == Style::Windows && c == '\\'); }

    // A path as the user gave it, in this platform's form (Windows: every '/'
    // becomes '\\').
    std::string normalized(std::string path) const;

    // POSIX: a leading '/'. Windows: "X:\" or a leading '\\' (the root of the
    // current drive, or a "\\server\share" name).
    bool isAbsolute(const std::string& path) const;

    // `path` in this platform's form, made full against `currentDirectory`
    // (an absolute path, as the process reports it). Empty stays empty.
    // Windows: "\name" takes the current directory's drive; "X:name" the
    // current directory when that is on drive X, else the root of X.
    std::string absolute(const std::string& path, const std::string& currentDirectory) const;

    // `name` inside `directory`, with exactly one separator between them.
    std::string join(const std::string& directory, const std::string& name) const;

    // Position of the last separator, or npos.
    std::size_t lastSeparator(const std::string& path) const;

    // The part after the last separator.
    std::string fileName(const std::string& path) const;

    // Trailing separators removed, but a root ("/", "C:\", "\") kept whole.
    std::string withoutTrailingSeparators(std::string path) const;

    // Whether `path` names a root directory ("/"; "C:\", "\", "\\server\share").
    bool isRoot(const std::string& path) const;

    // Whether two names are spelled alike for the file system (Windows:
    // without regard to case).
    bool sameSpelling(const std::string& a, const std::string& b) const;

private:
    std::size_t rootLength(const std::string& path) const;

    Style style_;
};

}  // namespace vane
