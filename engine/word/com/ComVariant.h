// A VARIANT owned by value: cleared when it goes away. The factories build
// the argument kinds the word processor takes; the readers convert an answer
// and throw WordError when it does not convert.
#pragma once

#include <oaidl.h>
#include <winspool.h>
#undef DocumentProperties

#include <string>

namespace vane::word {

class ComVariant {
public:
    ComVariant() { VariantInit(&value_); }
    // Takes over `value` (which is left empty).
    static ComVariant adopt(VARIANT& value);
    ComVariant(const ComVariant& other);
    ComVariant& operator=(const ComVariant& other);
    ComVariant(ComVariant&& other) noexcept;
    ComVariant& operator=(ComVariant&& other) noexcept;
    ~ComVariant() { VariantClear(&value_); }

    // An omitted optional argument.
    static ComVariant missing();
    static ComVariant boolean(bool value);
    static ComVariant integer(long value);
    static ComVariant shortInteger(short value);
    // Text in UTF-8, or in the system code page when `systemCodePage`.
    static ComVariant text(const std::string& value, bool systemCodePage = false);

    VARIANT& get() { return value_; }
    const VARIANT& get() const { return value_; }
    VARTYPE type() const { return value_.vt; }
    bool isMissing() const { return value_.vt == VT_ERROR && value_.scode == DISP_E_PARAMNOTFOUND; }

    long toInteger() const;
    float toFloat() const;
    double toDouble() const;
    bool toBoolean() const;
    std::string toText(bool systemCodePage = false) const;
    // The object held; null when the answer holds none (empty, null, a null object).
    IDispatch* toDispatch() const;

private:
    VARIANT value_;
};

// Conversions between UTF-16 and narrow text (UTF-8, or the system code page).
std::wstring widen(const std::string& text, bool systemCodePage = false);
std::string narrow(const wchar_t* text, std::size_t length, bool systemCodePage = false);

}  // namespace vane::word
