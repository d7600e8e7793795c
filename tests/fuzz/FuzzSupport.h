// Helpers shared by the fuzz targets: a private temporary directory per
// process, a byte reader for settings taken from the input, and a check that
// stops the run (libFuzzer then reports the input) when an invariant breaks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vane::fuzz {

// A directory of this process, created on first use and removed at exit.
const std::string& temp_dir();

// Removes everything inside temp_dir(), keeping the directory.
void clear_temp_dir();

// Writes bytes to a file, replacing it; false when it cannot be written.
bool write_bytes(const std::string& path, const void* data, std::size_t size);

// Consumes bytes from the front of the input; zero once it runs out.
class Bytes {
public:
    Bytes(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    uint8_t take() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }
    const uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    std::string rest() const { return std::string(reinterpret_cast<const char*>(data_), size_); }

private:
    const uint8_t* data_;
    std::size_t size_;
};

// Aborts with the message when `condition` is false.
void require(bool condition, const char* what);

}  // namespace vane::fuzz
