// A test double of an automation object: an IDispatch that records every
// call (DISPID, kind, arguments in their natural order) and answers from a
// queue that the test fills; with the queue empty it answers with a new
// recording object of the same family, so that chains of calls work.
#pragma once

#include <oaidl.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "word/com/ComVariant.h"

namespace vane::test {

struct DispatchScript {
    // Every call of the family, as "<kind> <DISPID hex>(<arguments>)", e.g.
    // "get 191(i4:3)", "put 17(bool:true)", "method 451(missing,missing,missing)".
    std::vector<std::string> calls;
    // Answers in call order; nullopt answers with a new recording object.
    std::deque<std::optional<word::ComVariant>> answers;
    // When set, the next call fails with DISP_E_EXCEPTION and this description
    // (empty: with E_FAIL and no exception information).
    std::optional<std::wstring> failure;
    int namesAsked = 0;  // calls of GetIDsOfNames (late binding by DISPID never asks)
    int alive = 0;       // recording objects not yet released
};

class RecordingDispatch final : public IDispatch {
public:
    // A new object with one reference, owned by the caller.
    static IDispatch* create(std::shared_ptr<DispatchScript> script);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* badArgument) override;

private:
    explicit RecordingDispatch(std::shared_ptr<DispatchScript> script);
    ~RecordingDispatch();
    std::shared_ptr<DispatchScript> script_;
    ULONG references_ = 1;
};

// One argument as the record shows it: "missing", "bool:true", "i4:3",
// "i2:-2", "str:text", or "vt:<type>".
std::string describe(const VARIANT& value);

}  // namespace vane::test
