#include "platform/Env.h"

#include <filesystem>

#include "platform/Spooler.h"

namespace vane {

namespace {
Env* installed = nullptr;
}

Env& env() { return installed != nullptr ? *installed : Env::platform(); }

void set_env(Env* replacement) { installed = replacement; }

Spooler& Env::spooler() { return Spooler::platform(); }

std::string Env::temporaryDirectory() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::temp_directory_path(error);
    return error ? std::string() : path.string();
}

}  // namespace vane
