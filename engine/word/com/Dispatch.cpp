#include "word/com/Dispatch.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "word/WordError.h"

namespace vane::word {

namespace {

std::string hex(long value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(value));
    return text;
}

// The error of a failed call: the object's description, else the code.
WordError call_error(HRESULT result, EXCEPINFO& exception, DISPID id) {
    if (result == DISP_E_EXCEPTION && exception.pfnDeferredFillIn != nullptr) {
        exception.pfnDeferredFillIn(&exception);
    }
    std::string description;
    if (result == DISP_E_EXCEPTION && exception.bstrDescription != nullptr) {
        description = narrow(exception.bstrDescription, SysStringLen(exception.bstrDescription), true);
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (!description.empty()) return WordError(description);
    const long code = result == DISP_E_EXCEPTION && exception.scode != 0 ? exception.scode : result;
    return WordError("automation call " + hex(id) + " failed with 0x" + hex(code));
}

}  // namespace

Dispatch::Dispatch(IDispatch* object) : object_(object) {
    if (object_ != nullptr) object_->AddRef();
}

Dispatch::Dispatch(const Dispatch& other) : Dispatch(other.object_) {}

Dispatch& Dispatch::operator=(const Dispatch& other) {
    if (this != &other) *this = Dispatch(other);
    return *this;
}

Dispatch::Dispatch(Dispatch&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}

Dispatch& Dispatch::operator=(Dispatch&& other) noexcept {
    if (this != &other) {
        if (object_ != nullptr) object_->Release();
        object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
}

Dispatch::~Dispatch() {
    if (object_ != nullptr) object_->Release();
}

ComVariant Dispatch::invoke(DISPID id, WORD kind, std::vector<ComVariant>& arguments) const {
    if (object_ == nullptr) throw WordError("automation call " + hex(id) + " on no object");
    // Invoke takes the arguments last to first.
    std::vector<VARIANT> reversed;
    reversed.reserve(arguments.size());
    for (auto it = arguments.rbegin(); it != arguments.rend(); ++it) reversed.push_back(it->get());
    DISPPARAMS parameters{};
    parameters.cArgs = static_cast<UINT>(reversed.size());
    parameters.rgvarg = reversed.empty() ? nullptr : reversed.data();
    DISPID named = DISPID_PROPERTYPUT;
    if (kind == DISPATCH_PROPERTYPUT) {
        parameters.cNamedArgs = 1;
        parameters.rgdispidNamedArgs = &named;
    }
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    UINT badArgument = 0;
    const HRESULT status =
        object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters,
                        kind == DISPATCH_PROPERTYPUT ? nullptr : &result, &exception, &badArgument);
    if (FAILED(status)) {
        VariantClear(&result);
        throw call_error(status, exception, id);
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return ComVariant::adopt(result);
}

ComVariant Dispatch::get(DISPID id, std::vector<ComVariant> arguments) const {
    return invoke(id, DISPATCH_PROPERTYGET, arguments);
}

void Dispatch::put(DISPID id, ComVariant value) const {
    std::vector<ComVariant> arguments;
    arguments.push_back(std::move(value));
    invoke(id, DISPATCH_PROPERTYPUT, arguments);
}

ComVariant Dispatch::call(DISPID id, std::vector<ComVariant> arguments) const {
    return invoke(id, DISPATCH_METHOD, arguments);
}

Dispatch required_object(const ComVariant& answer, DISPID id) {
    IDispatch* object = answer.toDispatch();
    if (object == nullptr) throw WordError("automation call " + hex(id) + " gave no object");
    return Dispatch(object);
}

Dispatch Dispatch::getObject(DISPID id, std::vector<ComVariant> arguments) const {
    return required_object(get(id, std::move(arguments)), id);
}

Dispatch Dispatch::getOptionalObject(DISPID id, std::vector<ComVariant> arguments) const {
    return Dispatch(get(id, std::move(arguments)).toDispatch());
}

Dispatch Dispatch::callForObject(DISPID id, std::vector<ComVariant> arguments) const {
    return required_object(call(id, std::move(arguments)), id);
}

}  // namespace vane::word
