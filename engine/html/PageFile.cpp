#include "html/PageFile.h"

namespace vane::html {

bool PageFile::open(const char* path, const char* mode) {
    file_.close();
    failed_ = false;
    file_ = File::open(path, mode);
    if (!file_.isOpen()) return false;
    if (!buffer_) buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
    std::setvbuf(file_.get(), buffer_.get(), _IOFBF, kBufferSize);
    return true;
}

bool PageFile::close() {
    if (!file_.isOpen()) return !failed_;
    const bool closed = file_.close();
    const bool ok = closed && !failed_;
    failed_ = false;
    return ok;
}

}  // namespace vane::html
