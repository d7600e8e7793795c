// A shared library loaded at run time, owned: destroying it unloads it.
#pragma once

#include <string>

namespace vane {

class DynamicLibrary {
public:
    virtual ~DynamicLibrary() = default;
    // The address of an exported symbol, null when the library has none.
    virtual void* symbol(const std::string& name) = 0;
};

}  // namespace vane
