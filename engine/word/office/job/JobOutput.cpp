#include "word/office/job/JobOutput.h"

#include <com/sun/star/beans/NamedValue.hpp>
#include <cstdio>
#include <cstring>
#include <string>

#include "frame/LibraryState.h"
#include "word/office/PipeTraffic.h"

namespace vane {

namespace {

css::uno::Reference<css::task::XJob> current;

css::uno::Any call(const char* name, const css::uno::Any& value) {
    if (!current.is()) return {};
    PipeTraffic::process().callSent();
    css::uno::Sequence<css::beans::NamedValue> arguments(1);
    arguments.getArray()[0] = css::beans::NamedValue(rtl::OUString::createFromAscii(name), value);
    return current->execute(arguments);
}

void forward_output(const char* format, va_list args) {
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0) return;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.pop_back();
    call("Text", css::uno::Any(css::uno::Sequence<sal_Int8>(reinterpret_cast<const sal_Int8*>(text.data()),
                                                            static_cast<sal_Int32>(text.size()))));
}

void forward_message(int id, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    css::uno::Sequence<sal_Int8> bytes;
    call("Message", css::uno::Any(static_cast<sal_Int32>(id))) >>= bytes;
    const auto length = std::min<std::size_t>(static_cast<std::size_t>(bytes.getLength()),
                                              static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, bytes.getConstArray(), length);
    buffer[length] = '\0';
}

}  // namespace

JobOutput::JobOutput(const css::uno::Reference<css::task::XJob>& callback) {
    current = callback;
    state().output = forward_output;
    state().message = forward_message;
}

JobOutput::~JobOutput() {
    state().output = nullptr;
    state().message = nullptr;
    current.clear();
}

}  // namespace vane
