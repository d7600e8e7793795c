#include "word/office/OfficeApplication.h"

#include <com/sun/star/configuration/theDefaultProvider.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>

#include "word/office/OfficeDocuments.h"
#include "word/office/OfficeSelection.h"
#include "word/office/PipeStats.h"
#include "word/office/UnoCall.h"
#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace {

// The office's version text ("7.4") from its configuration.
std::string read_version(const Reference<css::uno::XComponentContext>& context) {
    const auto provider = css::configuration::theDefaultProvider::get(context);
    css::uno::Sequence<css::uno::Any> args(1);
    args.getArray()[0] <<= css::beans::PropertyValue(
        "nodepath", 0, css::uno::Any(rtl::OUString("/org.openoffice.Setup/Product")),
        css::beans::PropertyState_DIRECT_VALUE);
    const Reference<css::container::XNameAccess> product(
        provider->createInstanceWithArguments("com.sun.star.configuration.ConfigurationAccess", args),
        UNO_QUERY_THROW);
    rtl::OUString version;
    product->getByName("ooSetupVersion") >>= version;
    return utf8(version);
}

}  // namespace

OfficeApplication::OfficeApplication(Env& env, const OfficeProcessOptions& options)
    : session_(std::make_shared<OfficeSession>(env)), started_(true) {
    PipeStats::process().begin();
    uno_call("Start", [&] {
        session_->process = std::make_unique<OfficeProcess>(env, options);
        session_->visible = options.visible;
        session_->version = read_version(session_->process->context());
    });
    PipeStats::process().end("start");
}

OfficeApplication::OfficeApplication(Env& env, std::unique_ptr<OfficeProcess> office)
    : session_(std::make_shared<OfficeSession>(env)) {
    uno_call("Start", [&] {
        session_->process = std::move(office);
        session_->version = read_version(session_->process->context());
    });
}

OfficeApplication::~OfficeApplication() {
    try {
        quit();
    } catch (...) {
    }
}

std::unique_ptr<word::Documents> OfficeApplication::documents() {
    return uno_call("Documents", [&]() -> std::unique_ptr<word::Documents> {
        session_->office();
        return std::make_unique<OfficeDocuments>(session_);
    });
}

std::unique_ptr<word::Selection> OfficeApplication::selection() {
    return uno_call("Selection", [&]() -> std::unique_ptr<word::Selection> {
        session_->office();
        if (!session_->active) throw std::runtime_error("no document is open");
        return std::make_unique<OfficeSelection>(session_, session_->active);
    });
}

void OfficeApplication::setVisible(bool visible) {
    session_->visible = visible;
}

std::string OfficeApplication::activePrinter() {
    return session_->printer;
}

void OfficeApplication::setActivePrinter(const std::string& name) {
    session_->printer = name;
}

std::string OfficeApplication::version() {
    return session_->version;
}

void OfficeApplication::quit() {
    // Documents are closed unsaved first; whatever fails, the office ends.
    for (const auto& document : session_->documents) {
        try {
            document->close();
        } catch (...) {
        }
    }
    session_->documents.clear();
    session_->active.reset();
    if (session_->process) {
        if (started_) PipeStats::process().begin();
        session_->process->quit();
        session_->process.reset();
        if (started_) PipeStats::process().end("quit");
    }
}

}  // namespace vane
