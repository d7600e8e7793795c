#include "word/com/ComVariant.h"

#include <windows.h>

#include <utility>

#include "word/WordError.h"

namespace vane::word {

namespace {

ComVariant converted(const VARIANT& value, VARTYPE type) {
    // Converting an object would call its default member behind our back.
    if ((value.vt & VT_TYPEMASK) == VT_DISPATCH || (value.vt & VT_TYPEMASK) == VT_UNKNOWN) {
        throw WordError("an object was answered where a value was expected");
    }
    VARIANT result;
    VariantInit(&result);
    if (FAILED(VariantChangeType(&result, const_cast<VARIANT*>(&value), 0, type))) {
        throw WordError("unexpected answer type " + std::to_string(value.vt));
    }
    return ComVariant::adopt(result);
}

}  // namespace

std::wstring widen(const std::string& text, bool systemCodePage) {
    if (text.empty()) return {};
    const UINT page = systemCodePage ? CP_ACP : CP_UTF8;
    const int size = MultiByteToWideChar(page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(page, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string narrow(const wchar_t* text, std::size_t length, bool systemCodePage) {
    if (text == nullptr || length == 0) return {};
    const UINT page = systemCodePage ? CP_ACP : CP_UTF8;
    const int size =
        WideCharToMultiByte(page, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(page, 0, text, static_cast<int>(length), result.data(), size, nullptr, nullptr);
    return result;
}

ComVariant ComVariant::adopt(VARIANT& value) {
    ComVariant result;
    result.value_ = value;
    VariantInit(&value);
    return result;
}

ComVariant::ComVariant(const ComVariant& other) {
    VariantInit(&value_);
    VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
}

ComVariant& ComVariant::operator=(const ComVariant& other) {
    if (this != &other) VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
    return *this;
}

ComVariant::ComVariant(ComVariant&& other) noexcept : value_(other.value_) {
    VariantInit(&other.value_);
}

ComVariant& ComVariant::operator=(ComVariant&& other) noexcept {
    if (this != &other) {
        VariantClear(&value_);
        value_ = other.value_;
        VariantInit(&other.value_);
    }
    return *this;
}

ComVariant ComVariant::missing() {
    ComVariant result;
    result.value_.vt = VT_ERROR;
    result.value_.scode = DISP_E_PARAMNOTFOUND;
    return result;
}

ComVariant ComVariant::boolean(bool value) {
    ComVariant result;
    result.value_.vt = VT_BOOL;
    result.value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return result;
}

ComVariant ComVariant::integer(long value) {
    ComVariant result;
    result.value_.vt = VT_I4;
    result.value_.lVal = value;
    return result;
}

ComVariant ComVariant::shortInteger(short value) {
    ComVariant result;
    result.value_.vt = VT_I2;
    result.value_.iVal = value;
    return result;
}

ComVariant ComVariant::text(const std::string& value, bool systemCodePage) {
    ComVariant result;
    const std::wstring wide = widen(value, systemCodePage);
    result.value_.vt = VT_BSTR;
    result.value_.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (result.value_.bstrVal == nullptr) throw WordError("out of memory");
    return result;
}

long ComVariant::toInteger() const {
    return converted(value_, VT_I4).value_.lVal;
}

float ComVariant::toFloat() const {
    return converted(value_, VT_R4).value_.fltVal;
}

double ComVariant::toDouble() const {
    return converted(value_, VT_R8).value_.dblVal;
}

bool ComVariant::toBoolean() const {
    return converted(value_, VT_BOOL).value_.boolVal != VARIANT_FALSE;
}

std::string ComVariant::toText(bool systemCodePage) const {
    if (value_.vt == VT_EMPTY || value_.vt == VT_NULL) return {};
    const ComVariant text = converted(value_, VT_BSTR);
    return narrow(text.value_.bstrVal, SysStringLen(text.value_.bstrVal), systemCodePage);
}

IDispatch* ComVariant::toDispatch() const {
    if (value_.vt == VT_DISPATCH) return value_.pdispVal;
    if (value_.vt == (VT_DISPATCH | VT_BYREF))
        return value_.ppdispVal != nullptr ? *value_.ppdispVal : nullptr;
    if (value_.vt == VT_EMPTY || value_.vt == VT_NULL) return nullptr;
    throw WordError("unexpected answer type " + std::to_string(value_.vt) + " where an object was expected");
}

}  // namespace vane::word
