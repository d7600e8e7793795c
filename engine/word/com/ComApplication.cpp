#include "word/com/ComApplication.h"

#include <utility>

#include "word/com/ComDocuments.h"
#include "word/com/ComSelection.h"

namespace vane::word {

std::unique_ptr<Documents> ComApplication::documents() {
    Dispatch answer = object_.getOptionalObject(0x6);
    if (!answer) return nullptr;
    return std::make_unique<ComDocuments>(std::move(answer));
}

std::unique_ptr<Selection> ComApplication::selection() {
    return std::make_unique<ComSelection>(object_.getObject(0x5));
}

void ComApplication::setVisible(bool visible) {
    object_.put(0x17, ComVariant::boolean(visible));
}

std::string ComApplication::activePrinter() {
    return object_.get(0x42).toText(true);
}

void ComApplication::setActivePrinter(const std::string& name) {
    object_.put(0x42, ComVariant::text(name, true));
}

std::string ComApplication::version() {
    return object_.get(0x18).toText(true);
}

void ComApplication::quit() {
    object_.call(0x451, {ComVariant::missing(), ComVariant::missing(), ComVariant::missing()});
}

}  // namespace vane::word
