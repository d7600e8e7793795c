// The built-in document properties (Title, Author, ...).
#pragma once

#include <string>

namespace vane::word {

class DocumentProperties {
public:
    virtual ~DocumentProperties() = default;
    // The value of the property `name` as text (UTF-8), empty when it has no
    // value. Throws WordError when there is no property of that name.
    virtual std::string value(const std::string& name) = 0;
};

}  // namespace vane::word
