// Opens a conversion result with the shell's "open" verb.
#pragma once

#include "ResultOpener.h"

namespace vane::desk {

class ShellOpener final : public ResultOpener {
public:
    void Open(const std::string& target) override;
};

}  // namespace vane::desk
