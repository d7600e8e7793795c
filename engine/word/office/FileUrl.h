// File URLs for paths handed to the office.
#pragma once

#include <string>

namespace vane {

// "file://" followed by the absolute path with every byte outside letters,
// digits, "-._~/" percent-encoded.
std::string file_url(const std::string& absolutePath);

}  // namespace vane
