// UTF-8 <-> UTF-32 for the fake word processor, whose positions count characters.
#pragma once

#include <string>

namespace vane::test {

std::u32string to_u32(const std::string& utf8);
std::string to_utf8(const std::u32string& text);

}  // namespace vane::test
