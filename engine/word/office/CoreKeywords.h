// The keywords of a Word package's core properties (docProps/core.xml) as
// the author typed them. The office splits that text into words at blanks and
// punctuation when it loads the document, so its own list cannot give it back.
#pragma once

#include <optional>
#include <string>

namespace vane {

// The text of the core properties' keywords element (any namespace prefix),
// entities and character references decoded, inner markup left out; empty
// for an empty element; nothing when the element is missing.
std::optional<std::string> core_keywords(const std::string& coreXml);

}  // namespace vane
