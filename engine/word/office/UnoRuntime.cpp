#include "word/office/UnoRuntime.h"

#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>
#include <stdexcept>

#include "word/office/OfficeInstallation.h"
#include "word/office/UnoText.h"

namespace vane {

css::uno::Reference<css::uno::XComponentContext> uno_local_context() {
    // Bootstrapping twice in one process is not supported by the runtime, so
    // the first context is kept, whatever happens to the office processes.
    static css::uno::Reference<css::uno::XComponentContext>* context = nullptr;
    if (context != nullptr) return *context;
    try {
        // As if URE_BOOTSTRAP were set in the environment: the runtime then
        // finds its type and service registries in the office installation.
        rtl::Bootstrap::set("URE_BOOTSTRAP",
                            ou("vnd.sun.star.pathname:" + office_program_directory() + "/fundamentalrc"));
        auto local = cppu::defaultBootstrap_InitialComponentContext();
        if (!local.is()) throw std::runtime_error("no component context");
        context = new css::uno::Reference<css::uno::XComponentContext>(local);
    } catch (const css::uno::Exception& e) {
        throw std::runtime_error("cannot start the component runtime: " + utf8(e.Message));
    }
    return *context;
}

}  // namespace vane
