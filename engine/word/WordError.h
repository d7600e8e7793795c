// A failure reported by the word processor (or by a backend standing in for
// it). what() is the word processor's own description of the error, the text
// that the "Error processing document, %s" message shows.
#pragma once

#include <stdexcept>
#include <string>

namespace vane::word {

class WordError : public std::runtime_error {
public:
    explicit WordError(const std::string& description) : std::runtime_error(description) {}
};

}  // namespace vane::word
