#include "word/com/ComBackend.h"

#include <objbase.h>

#include <cstdio>

#include "word/WordError.h"
#include "word/com/ComApplication.h"

namespace vane::word {

namespace {

std::string failure(const char* step, HRESULT result) {
    char text[96];
    std::snprintf(text, sizeof text, "%s failed with 0x%08lX", step, static_cast<unsigned long>(result));
    return text;
}

}  // namespace

std::unique_ptr<Application> ComBackend::createApplication() {
    CLSID clsid{};
    HRESULT result = CLSIDFromProgID(L"Word.Application", &clsid);
    if (FAILED(result)) throw WordError(failure("CLSIDFromProgID(Word.Application)", result));
    IDispatch* object = nullptr;
    result = CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&object));
    if (FAILED(result) || object == nullptr)
        throw WordError(failure("CoCreateInstance(Word.Application)", result));
    Dispatch application(object);
    object->Release();  // the Dispatch holds its own reference
    return std::make_unique<ComApplication>(std::move(application));
}

WordBackend& com_backend() {
    static ComBackend backend;
    return backend;
}

}  // namespace vane::word
