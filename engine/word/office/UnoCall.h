// Runs one operation of the automation surface against the office: every
// office exception becomes a WordError carrying the office's message, so that
// no office type ever leaves the backend.
#pragma once

#include <com/sun/star/uno/Exception.hpp>
#include <stdexcept>
#include <string>
#include <utility>

#include "word/WordError.h"
#include "word/office/UnoText.h"

namespace vane {

template <typename F>
auto uno_call(const char* what, F&& operation) -> decltype(operation()) {
    try {
        return std::forward<F>(operation)();
    } catch (const word::WordError&) {
        throw;
    } catch (const css::uno::Exception& e) {
        const std::string message = utf8(e.Message);
        throw word::WordError(std::string(what) + ": " + (message.empty() ? "office error" : message));
    } catch (const std::runtime_error& e) {
        throw word::WordError(std::string(what) + ": " + e.what());
    }
}

}  // namespace vane
