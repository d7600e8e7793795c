#include "platform/Env.h"

namespace vane {

namespace {
Env* installed = nullptr;
}

Env& env() { return installed != nullptr ? *installed : Env::platform(); }

void set_env(Env* replacement) { installed = replacement; }

}  // namespace vane
