#include "word/WordBackend.h"

#include "word/WordError.h"
#ifndef _WIN32
#include "word/office/OfficeBackend.h"
#endif
#ifdef _WIN32
#include "word/com/ComBackend.h"
#endif

namespace vane::word {

namespace {

// Stands in until a real word processor is available on this platform.
class MissingBackend : public WordBackend {
public:
    std::unique_ptr<Application> createApplication() override { throw WordError("no word processor"); }
};

WordBackend* installed = nullptr;

}  // namespace

WordBackend& word_backend() {
#ifdef _WIN32
    if (installed == nullptr) return com_backend();
#else
    if (installed == nullptr) return office_backend();
#endif
    static MissingBackend missing;
    return installed != nullptr ? *installed : missing;
}

void set_word_backend(WordBackend* replacement) {
    installed = replacement;
}

}  // namespace vane::word
