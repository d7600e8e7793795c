// The word processor on Linux: the office backend module, loaded at run time
// from the directory that holds vanecore. vanecore itself does not depend on
// the office: without the module (or without the office) creating the
// application fails as it does when no word processor is installed.
#pragma once

#include <string>

#include "word/WordBackend.h"

namespace vane::word {

class OfficeBackend final : public WordBackend {
public:
    std::unique_ptr<Application> createApplication() override;
    // The module and the job library it loads into the office are both there.
    bool hostsPhases() override;
    HostedPhaseResult runHosted(const HostedPhase& phase) override;
};

// The module's path: the directory holding vanecore's code + the module name.
std::string office_module_path();

// The platform's default backend.
WordBackend& office_backend();

}  // namespace vane::word
