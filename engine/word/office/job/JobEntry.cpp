// The job library's only export: the factory the office's shared-library
// loader asks for when our process activates the job by its path.
#include <cppuhelper/factory.hxx>
#include <cppuhelper/implementationentry.hxx>

#include "word/office/OfficeModuleEntry.h"
#include "word/office/job/WordJob.h"

namespace {

css::uno::Reference<css::uno::XInterface> create_job(
    const css::uno::Reference<css::uno::XComponentContext>& context) {
    return static_cast<cppu::OWeakObject*>(new vane::WordJob(context));
}

rtl::OUString job_name() {
    return rtl::OUString::createFromAscii(kVaneOfficeJobImplementation);
}

css::uno::Sequence<rtl::OUString> job_services() {
    return {};
}

const cppu::ImplementationEntry kEntries[] = {
    {create_job, job_name, job_services, cppu::createSingleComponentFactory, nullptr, 0},
    {nullptr, nullptr, nullptr, nullptr, nullptr, 0}};

}  // namespace

extern "C" SAL_DLLPUBLIC_EXPORT void* component_getFactory(const char* name, void* serviceManager,
                                                           void* registryKey) {
    return cppu::component_getFactoryHelper(name, serviceManager, registryKey, kEntries);
}
