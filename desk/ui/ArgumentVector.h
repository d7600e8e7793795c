// A C argument vector (argc, argv with a closing null) over owned strings,
// for calling a command export.
#pragma once

#include <string>
#include <vector>

namespace vane::desk {

class ArgumentVector {
public:
    explicit ArgumentVector(std::vector<std::string> entries);
    ArgumentVector(const ArgumentVector&) = delete;
    ArgumentVector& operator=(const ArgumentVector&) = delete;

    int argc() const { return static_cast<int>(entries_.size()); }
    char** argv() { return pointers_.data(); }

private:
    std::vector<std::string> entries_;
    std::vector<char*> pointers_;
};

}  // namespace vane::desk
