#include "html/TextLines.h"

#include <cstring>

#include "frame/FileUtil.h"

namespace vane::html {

bool TextLines::next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    const char* start = text_.data() + pos_;
    const std::size_t left = text_.size() - pos_;
    const std::size_t limit = left < kReadLineMax ? left : kReadLineMax;
    const void* feed = std::memchr(start, '\n', limit);
    const std::size_t piece =
        feed == nullptr ? limit : static_cast<std::size_t>(static_cast<const char*>(feed) - start) + 1;
    pos_ += piece;
    const void* nul = std::memchr(start, '\0', piece);
    std::size_t length =
        nul == nullptr ? piece : static_cast<std::size_t>(static_cast<const char*>(nul) - start);
    if (length == 0) {  // read_line reports the end of the file here
        pos_ = text_.size();
        return false;
    }
    if (start[length - 1] == '\n') --length;
    if (length > 0 && start[length - 1] == '\r') --length;
    line = std::string_view(start, length);
    return true;
}

std::string_view TextLines::takeThrough(char stop) {
    const std::size_t begin = pos_;
    const std::size_t at = text_.find(stop, pos_);
    pos_ = at == std::string_view::npos ? text_.size() : at + 1;
    return text_.substr(begin, pos_ - begin);
}

}  // namespace vane::html
