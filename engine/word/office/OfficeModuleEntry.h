// The one entry point of the office module, looked up by name after loading.
#pragma once

#include <cstddef>

namespace vane {
class Env;
namespace word {
class Application;
}
}  // namespace vane

// Starts a private office and returns its application object (owned by the
// caller), or null with a description of the failure in `error`.
using VaneOfficeCreate = vane::word::Application* (*)(vane::Env* env, bool visible, char* error,
                                                      std::size_t errorSize);
inline constexpr const char* kVaneOfficeCreateSymbol = "vane_office_create_application";
inline constexpr const char* kVaneOfficeModuleName = "libvane_office.so";
