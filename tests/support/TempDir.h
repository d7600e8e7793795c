// A fresh temporary directory for one test, removed with everything in it.
#pragma once

#include <string>

namespace vane::test {

class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string file(const std::string& name) const;

private:
    std::string path_;
};

// Reads a whole file as bytes; empty when it cannot be read.
std::string read_file(const std::string& path);
// Writes bytes to a file, replacing it.
void write_text(const std::string& path, const std::string& bytes);

}  // namespace vane::test
