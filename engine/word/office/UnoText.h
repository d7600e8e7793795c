// Conversions between the office's UTF-16 strings and UTF-8 std::string.
#pragma once

#include <rtl/ustring.hxx>
#include <string>

namespace vane {

inline rtl::OUString ou(const std::string& text) {
    return rtl::OStringToOUString(rtl::OString(text.data(), static_cast<sal_Int32>(text.size())),
                                  RTL_TEXTENCODING_UTF8);
}

inline std::string utf8(const rtl::OUString& text) {
    const rtl::OString bytes = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
    return std::string(bytes.getStr(), static_cast<std::size_t>(bytes.getLength()));
}

}  // namespace vane
