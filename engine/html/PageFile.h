// A C stream with a large private buffer and a sticky write-error flag, for
// the page files that the splitter reads and writes line by line.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

#include "frame/File.h"

namespace vane::html {

class PageFile {
public:
    static constexpr std::size_t kBufferSize = 1 << 18;

    PageFile() = default;
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;
    ~PageFile() { file_.close(); }

    // Opens `path` with the fopen `mode`; false when it cannot be opened.
    bool open(const char* path, const char* mode);
    bool isOpen() const { return file_.isOpen(); }
    std::FILE* get() const { return file_.get(); }

    void put(std::string_view text) {
        if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size())
            failed_ = true;
    }
    void put(char c) {
        if (std::fputc(c, file_.get()) == EOF) failed_ = true;
    }

    // Closes the stream; false when any write came up short or the final
    // flush failed.
    bool close();

private:
    std::unique_ptr<char[]> buffer_;  // declared before file_: outlives the stream
    File file_;
    bool failed_ = false;
};

}  // namespace vane::html
