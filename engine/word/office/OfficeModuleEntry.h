// The one entry point of the office module, looked up by name after loading.
#pragma once

#include <cstddef>

namespace vane {
class Env;
namespace word {
class Application;
struct HostedPhase;
struct HostedPhaseResult;
}  // namespace word
}  // namespace vane

// Starts a private office and returns its application object (owned by the
// caller), or null with a description of the failure in `error`.
using VaneOfficeCreate = vane::word::Application* (*)(vane::Env* env, bool visible, char* error,
                                                      std::size_t errorSize);
inline constexpr const char* kVaneOfficeCreateSymbol = "vane_office_create_application";
inline constexpr const char* kVaneOfficeModuleName = "libvane_office.so";

// Starts a private office, runs `phase` inside it (the job library, loaded
// into the office) and asks the office to end; fills `result`, whose
// `ending` waits for the office after a completed phase.
using VaneOfficeRunHosted = void (*)(vane::Env* env, bool visible, const vane::word::HostedPhase* phase,
                                     vane::word::HostedPhaseResult* result);
inline constexpr const char* kVaneOfficeRunHostedSymbol = "vane_office_run_hosted";
// The library the office loads, beside the module, and the job it implements.
inline constexpr const char* kVaneOfficeJobLibraryName = "libvane_office_job.so";
inline constexpr const char* kVaneOfficeJobImplementation = "org.folivane.office.WordJob";
