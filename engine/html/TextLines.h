// Reads a text held in memory line by line exactly as read_line reads a file:
// pieces of at most kReadLineMax characters ending after a line feed, one
// trailing "\n" then one "\r" removed, the piece cut at a NUL byte, and a
// piece that starts with NUL taken as the end of the text.
#pragma once

#include <cstddef>
#include <string_view>

namespace vane::html {

class TextLines {
public:
    explicit TextLines(std::string_view text) : text_(text) {}

    // False at the end of the text.
    bool next(std::string_view& line);

    // The raw characters after the last line read, up to and including the
    // first `stop` (or to the end); they are consumed.
    std::string_view takeThrough(char stop);

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace vane::html
