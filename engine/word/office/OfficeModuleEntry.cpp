#include "word/office/OfficeModuleEntry.h"

#include <cstring>
#include <exception>

#include "word/HostedPhase.h"
#include "word/office/OfficeApplication.h"
#include "word/office/OfficeJobClient.h"

extern "C" __attribute__((visibility("default"))) vane::word::Application* vane_office_create_application(
    vane::Env* env, bool visible, char* error, std::size_t errorSize) {
    auto fail = [&](const char* text) -> vane::word::Application* {
        if (error != nullptr && errorSize > 0) {
            std::strncpy(error, text, errorSize - 1);
            error[errorSize - 1] = '\0';
        }
        return nullptr;
    };
    if (env == nullptr) return fail("no environment");
    try {
        vane::OfficeProcessOptions options;
        options.visible = visible;
        return new vane::OfficeApplication(*env, options);
    } catch (const std::exception& e) {
        return fail(e.what());
    } catch (...) {
        return fail("the office could not be started");
    }
}

// The entry point's type is checked against the declaration the loader uses.
static_assert(std::is_same_v<decltype(&vane_office_create_application), VaneOfficeCreate>);

extern "C" __attribute__((visibility("default"))) void vane_office_run_hosted(
    vane::Env* env, bool visible, const vane::word::HostedPhase* phase,
    vane::word::HostedPhaseResult* result) {
    if (env == nullptr || phase == nullptr || result == nullptr) return;
    vane::OfficeProcessOptions options;
    options.visible = visible;
    vane::OfficeJobClient client(*env, options);
    *result = client.run(*phase);
}

static_assert(std::is_same_v<decltype(&vane_office_run_hosted), VaneOfficeRunHosted>);
