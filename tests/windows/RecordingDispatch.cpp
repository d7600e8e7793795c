#include "RecordingDispatch.h"

#include <cstdio>

namespace vane::test {

std::string describe(const VARIANT& value) {
    switch (value.vt) {
        case VT_ERROR:
            return value.scode == DISP_E_PARAMNOTFOUND ? "missing" : "error";
        case VT_BOOL:
            return value.boolVal == VARIANT_TRUE    ? "bool:true"
                   : value.boolVal == VARIANT_FALSE ? "bool:false"
                                                    : "bool:?";
        case VT_I4:
            return "i4:" + std::to_string(value.lVal);
        case VT_I2:
            return "i2:" + std::to_string(value.iVal);
        case VT_BSTR:
            return "str:" + word::narrow(value.bstrVal, SysStringLen(value.bstrVal));
        default:
            return "vt:" + std::to_string(value.vt);
    }
}

IDispatch* RecordingDispatch::create(std::shared_ptr<DispatchScript> script) {
    return new RecordingDispatch(std::move(script));
}

RecordingDispatch::RecordingDispatch(std::shared_ptr<DispatchScript> script) : script_(std::move(script)) {
    ++script_->alive;
}

RecordingDispatch::~RecordingDispatch() {
    --script_->alive;
}

HRESULT RecordingDispatch::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG RecordingDispatch::AddRef() {
    return ++references_;
}

ULONG RecordingDispatch::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT RecordingDispatch::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT RecordingDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    *info = nullptr;
    return E_NOTIMPL;
}

HRESULT RecordingDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    ++script_->namesAsked;
    return E_NOTIMPL;
}

HRESULT RecordingDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                  VARIANT* result, EXCEPINFO* exception, UINT*) {
    std::string kind = "?";
    if (flags == DISPATCH_PROPERTYGET) kind = "get";
    if (flags == DISPATCH_METHOD) kind = "method";
    if (flags == DISPATCH_PROPERTYPUT) {
        const bool named =
            parameters->cNamedArgs == 1 && parameters->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
        kind = named ? "put" : "put-unnamed";
    }
    char number[16];
    std::snprintf(number, sizeof number, "%lX", static_cast<unsigned long>(id));
    std::string call = kind + " " + number + "(";
    for (UINT i = parameters->cArgs; i > 0; --i) {
        call += describe(parameters->rgvarg[i - 1]);
        if (i > 1) call += ",";
    }
    script_->calls.push_back(call + ")");

    if (script_->failure) {
        const std::wstring description = *script_->failure;
        script_->failure.reset();
        if (description.empty()) return E_FAIL;
        if (exception != nullptr) {
            *exception = EXCEPINFO{};
            exception->bstrDescription = SysAllocString(description.c_str());
            exception->scode = DISP_E_EXCEPTION;
        }
        return DISP_E_EXCEPTION;
    }
    if (result == nullptr) return S_OK;
    VariantInit(result);
    std::optional<word::ComVariant> answer;
    if (!script_->answers.empty()) {
        answer = std::move(script_->answers.front());
        script_->answers.pop_front();
    }
    if (answer) {
        VariantCopy(result, &answer->get());
    } else {
        result->vt = VT_DISPATCH;
        result->pdispVal = create(script_);
    }
    return S_OK;
}

}  // namespace vane::test
