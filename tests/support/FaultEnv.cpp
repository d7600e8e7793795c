#include "FaultEnv.h"

#include <cerrno>
#include <sys/types.h>

#include <cstring>

namespace vane::test {

namespace {

// The stream handed to the engine: writes pass the budget, then reach the
// real stream.
struct Cookie {
    FaultEnv* env;
    std::FILE* real;
};

ssize_t cookie_read(void* cookie, char* buffer, std::size_t size) {
    std::FILE* real = static_cast<Cookie*>(cookie)->real;
    const std::size_t got = std::fread(buffer, 1, size, real);
    return got == 0 && std::ferror(real) ? -1 : static_cast<ssize_t>(got);
}

ssize_t cookie_write(void* cookie, const char* buffer, std::size_t size) {
    Cookie& c = *static_cast<Cookie*>(cookie);
    const std::size_t allowed = c.env->allowWrite(size);
    const std::size_t written = allowed == 0 ? 0 : std::fwrite(buffer, 1, allowed, c.real);
    if (written < size) errno = ENOSPC;
    return static_cast<ssize_t>(written);
}

int cookie_seek(void* cookie, off64_t* offset, int whence) {
    std::FILE* real = static_cast<Cookie*>(cookie)->real;
    if (std::fflush(real) != 0 || fseeko(real, *offset, whence) != 0) return -1;
    *offset = ftello(real);
    return *offset < 0 ? -1 : 0;
}

int cookie_close(void* cookie) {
    Cookie* c = static_cast<Cookie*>(cookie);
    const int result = std::fclose(c->real);
    delete c;
    return result;
}

bool writes(const char* mode) {
    return std::strpbrk(mode, "wa+") != nullptr;
}

}  // namespace

FaultEnv::FaultEnv() : inner_(env()) {
    set_env(this);
}

FaultEnv::~FaultEnv() {
    set_env(&inner_ == &Env::platform() ? nullptr : &inner_);
}

std::size_t FaultEnv::allowWrite(std::size_t size) {
    std::size_t allowed = size;
    if (writeBudget >= 0) {
        if (static_cast<unsigned long long>(writeBudget) < size) allowed = static_cast<std::size_t>(writeBudget);
        writeBudget -= static_cast<long long>(allowed);
    }
    if (allowed < size) ++refusedWrites;
    bytesWritten += static_cast<long long>(allowed);
    return allowed;
}

std::FILE* FaultEnv::openFile(const std::string& path, const char* mode) {
    if (!writes(mode)) return inner_.openFile(path, mode);
    if (++opensForWrite == failOpenForWrite) {
        errno = ENOSPC;
        return nullptr;
    }
    std::FILE* real = inner_.openFile(path, mode);
    if (real == nullptr) return nullptr;
    const cookie_io_functions_t functions = {cookie_read, cookie_write, cookie_seek, cookie_close};
    std::FILE* stream = fopencookie(new Cookie{this, real}, mode, functions);
    if (stream == nullptr) std::fclose(real);
    return stream;
}

bool FaultEnv::renameFile(const std::string& from, const std::string& to) {
    if (++renames == failRename) return false;
    return inner_.renameFile(from, to);
}

bool FaultEnv::removeFile(const std::string& path) {
    if (++removes == failRemove) return false;
    return inner_.removeFile(path);
}

bool FaultEnv::createDirectory(const std::string& path) {
    if (++createdDirectories == failCreateDirectory) return false;
    return inner_.createDirectory(path);
}

}  // namespace vane::test
