// Whether a usable word processor is installed: its major version, or 0.
#pragma once

#include <string>

namespace vane {

// The leading decimal integer of a version text ("12.0" gives 12, "" 0).
int major_version(const std::string& versionText);

// Starts the word processor hidden, reads its version and quits it; 0 when it
// cannot be started or fails while answering.
int word_major_version();

}  // namespace vane
