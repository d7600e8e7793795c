// A late-bound automation object, owned (one reference). Every call goes by
// DISPID through IDispatch::Invoke; arguments are given in their natural
// order. A failing call throws WordError with the object's own description
// of the error when it gives one.
#pragma once

#include <oaidl.h>
// The spooler's headers name a function DocumentProperties through a macro;
// the automation surface has a class of that name.
#include <winspool.h>
#undef DocumentProperties

#include <initializer_list>
#include <vector>

#include "word/com/ComVariant.h"

namespace vane::word {

class Dispatch {
public:
    Dispatch() = default;
    // Takes a reference of its own on `object` (null allowed).
    explicit Dispatch(IDispatch* object);
    Dispatch(const Dispatch& other);
    Dispatch& operator=(const Dispatch& other);
    Dispatch(Dispatch&& other) noexcept;
    Dispatch& operator=(Dispatch&& other) noexcept;
    ~Dispatch();

    explicit operator bool() const { return object_ != nullptr; }
    IDispatch* object() const { return object_; }

    ComVariant get(DISPID id, std::vector<ComVariant> arguments = {}) const;
    void put(DISPID id, ComVariant value) const;
    ComVariant call(DISPID id, std::vector<ComVariant> arguments = {}) const;

    // An object answer of get(); throws WordError when there is none.
    Dispatch getObject(DISPID id, std::vector<ComVariant> arguments = {}) const;
    // The same, but no object gives an empty Dispatch.
    Dispatch getOptionalObject(DISPID id, std::vector<ComVariant> arguments = {}) const;
    Dispatch callForObject(DISPID id, std::vector<ComVariant> arguments = {}) const;

private:
    ComVariant invoke(DISPID id, WORD kind, std::vector<ComVariant>& arguments) const;
    IDispatch* object_ = nullptr;
};

// `answer`'s object; throws WordError when it holds none.
Dispatch required_object(const ComVariant& answer, DISPID id);

}  // namespace vane::word
