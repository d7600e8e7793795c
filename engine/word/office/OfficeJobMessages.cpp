#include "word/office/OfficeJobMessages.h"

#include <string>

#include "word/HostedPhase.h"

namespace vane {

namespace {

std::string bytes_text(const css::uno::Any& value) {
    css::uno::Sequence<sal_Int8> bytes;
    value >>= bytes;
    return std::string(reinterpret_cast<const char*>(bytes.getConstArray()),
                       static_cast<std::size_t>(bytes.getLength()));
}

css::uno::Any text_bytes(const std::string& text) {
    return css::uno::Any(css::uno::Sequence<sal_Int8>(reinterpret_cast<const sal_Int8*>(text.data()),
                                                      static_cast<sal_Int32>(text.size())));
}

}  // namespace

css::uno::Any OfficeJobMessages::execute(const css::uno::Sequence<css::beans::NamedValue>& arguments) {
    try {
        for (const auto& argument : arguments) {
            if (argument.Name == "Text") {
                if (phase_.output) phase_.output(bytes_text(argument.Value));
            } else if (argument.Name == "Message") {
                sal_Int32 id = 0;
                argument.Value >>= id;
                return text_bytes(phase_.message ? phase_.message(id) : std::string());
            }
        }
    } catch (...) {
        // A message that cannot be shown must not end the phase.
    }
    return {};
}

}  // namespace vane
