// The client side of the office's component runtime, bootstrapped once per
// process from the office installation and kept for the life of the process.
#pragma once

#include <com/sun/star/uno/XComponentContext.hpp>

namespace vane {

// The local component context; throws std::runtime_error when the runtime
// cannot be bootstrapped (office libraries or configuration missing).
css::uno::Reference<css::uno::XComponentContext> uno_local_context();

}  // namespace vane
