// The word processor on Windows: "Word.Application" created by its ProgID
// through COM, every later call late bound through IDispatch.
#pragma once

#include "word/WordBackend.h"

namespace vane::word {

class ComBackend final : public WordBackend {
public:
    // Throws WordError when the ProgID is unknown or the server does not start.
    std::unique_ptr<Application> createApplication() override;
};

WordBackend& com_backend();

}  // namespace vane::word
