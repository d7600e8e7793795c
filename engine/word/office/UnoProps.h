// Small helpers for reading and writing office object properties.
#pragma once

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/uno/Sequence.hxx>
#include <string>
#include <utility>
#include <vector>

#include "word/office/UnoText.h"

namespace vane {

// The property set of `object`; throws when it has none.
inline css::uno::Reference<css::beans::XPropertySet> props(
    const css::uno::Reference<css::uno::XInterface>& object) {
    return css::uno::Reference<css::beans::XPropertySet>(object, css::uno::UNO_QUERY_THROW);
}

template <typename T>
T prop(const css::uno::Reference<css::beans::XPropertySet>& set, const char* name, T fallback = T()) {
    T value = fallback;
    set->getPropertyValue(rtl::OUString::createFromAscii(name)) >>= value;
    return value;
}

inline std::string prop_text(const css::uno::Reference<css::beans::XPropertySet>& set, const char* name) {
    return utf8(prop<rtl::OUString>(set, name));
}

// An argument list for load/store calls.
inline css::uno::Sequence<css::beans::PropertyValue> arguments(
    const std::vector<std::pair<const char*, css::uno::Any>>& values) {
    css::uno::Sequence<css::beans::PropertyValue> sequence(static_cast<sal_Int32>(values.size()));
    auto* out = sequence.getArray();
    for (std::size_t i = 0; i < values.size(); ++i) {
        out[i].Name = rtl::OUString::createFromAscii(values[i].first);
        out[i].Value = values[i].second;
    }
    return sequence;
}

}  // namespace vane
