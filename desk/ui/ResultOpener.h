// Opens a conversion result with the desktop's default program.
#pragma once

#include <string>

namespace vane::desk {

class ResultOpener {
public:
    virtual ~ResultOpener() = default;
    // Failures are not reported.
    virtual void Open(const std::string& target) = 0;
};

// Runs "xdg-open <target>" detached.
class XdgOpener final : public ResultOpener {
public:
    void Open(const std::string& target) override;
};

}  // namespace vane::desk
