// Move-only owner of a C stream: closed on destruction.
#pragma once

#include <cstdio>
#include <utility>

#include "platform/Env.h"

namespace vane {

class File {
public:
    File() = default;
    explicit File(std::FILE* stream) noexcept : stream_(stream) {}
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept : stream_(std::exchange(other.stream_, nullptr)) {}
    File& operator=(File&& other) noexcept {
        if (this != &other) {
            close();
            stream_ = std::exchange(other.stream_, nullptr);
        }
        return *this;
    }
    ~File() { close(); }

    // Opens through the environment's file services.
    static File open(const char* path, const char* mode) { return File(env().openFile(path, mode)); }

    bool isOpen() const noexcept { return stream_ != nullptr; }
    std::FILE* get() const noexcept { return stream_; }
    // Closes the stream; false when buffered data could not be written.
    bool close() noexcept {
        if (stream_ == nullptr) return true;
        const bool ok = std::fclose(std::exchange(stream_, nullptr)) == 0;
        return ok;
    }

private:
    std::FILE* stream_ = nullptr;
};

}  // namespace vane
