#include "platform/Env.h"

#include "platform/Spooler.h"

namespace vane {

namespace {
Env* installed = nullptr;
}

Env& env() { return installed != nullptr ? *installed : Env::platform(); }

void set_env(Env* replacement) { installed = replacement; }

Spooler& Env::spooler() { return Spooler::platform(); }

}  // namespace vane
