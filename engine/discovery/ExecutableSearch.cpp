#include "discovery/ExecutableSearch.h"

#include <filesystem>
#include <vector>

#include "discovery/ProducerPaths.h"

namespace vane {

namespace {

std::vector<std::string> candidates(const char* searchPath) {
    std::vector<std::string> result;
    const std::string list = searchPath != nullptr ? searchPath : "";
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        std::string directory = list.substr(start, end - start);
        // Relative entries (and the empty one, meaning ".") would name the
        // program relative to a directory the producer is not started in.
        if (!directory.empty() && directory.front() == '/') {
            if (directory.back() != '/') directory += '/';
            result.push_back(directory + "gs");
        }
        start = end + 1;
    }
    result.push_back("/usr/bin/gs");
    result.push_back("/usr/local/bin/gs");
    return result;
}

}  // namespace

bool is_executable_file(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status)) return false;
    const fs::perms exec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (status.permissions() & exec) != fs::perms::none;
}

bool search_ghostscript_on_path(const char* searchPath) {
    std::string& path = producer_paths().ghostscript;
    for (const std::string& candidate : candidates(searchPath)) {
        path = candidate;
        if (is_executable_file(candidate)) return true;
    }
    return false;
}

}  // namespace vane
