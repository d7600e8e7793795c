#include "word/com/ComDocumentProperties.h"

namespace vane::word {

std::string ComDocumentProperties::value(const std::string& name) {
    // The property by name (DISPID 0), then its value (DISPID 0).
    const Dispatch property = object_.getObject(0x0, {ComVariant::text(name)});
    return property.get(0x0).toText();
}

}  // namespace vane::word
