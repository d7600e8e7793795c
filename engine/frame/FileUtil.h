// File helpers shared by the commands. Paths are native; none prints a message.
#pragma once

#include <cstddef>
#include <cstdio>

namespace vane {

inline constexpr std::size_t kCopyBlockSize = 16384;
inline constexpr std::size_t kReadLineMax = 16382;

// False for a null or empty path; true when the file opens for binary reading.
bool file_exists(const char* path);
// Strips one trailing '/' then one trailing '\\'; true when a file or directory exists.
bool path_exists(const char* path);
// True when the path exists or one directory level can be created under an existing parent.
bool ensure_directory(const char* path);
// Deletes the file when the path is non-empty; errors are ignored.
void delete_file(const char* path);
// Copies source to destination in 16384-byte blocks; false on any open, read or write failure.
bool copy_file(const char* destination, const char* source);
// As copy_file, appending to the destination.
bool append_file(const char* destination, const char* source);
// Writes the bytes to a new file; a short write deletes the file and gives false.
bool write_file(const char* path, std::size_t size, const void* bytes);
// Deletes a directory: its files and, recursively, its subdirectories whose
// names do not begin with '.'. A symbolic link is removed, never followed.
// True at once for a null or missing directory.
bool delete_tree(const char* directory);
// Reads one line of at most kReadLineMax characters into buffer (which holds
// kReadLineMax + 2 bytes); a longer line comes back in pieces. Removes one
// trailing '\n' then one trailing '\r'. Returns the length read before
// trimming, 0 at end of file.
std::size_t read_line(std::FILE* file, char* buffer);

}  // namespace vane
