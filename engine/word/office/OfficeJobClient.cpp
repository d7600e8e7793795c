#include "word/office/OfficeJobClient.h"

#include <com/sun/star/beans/NamedValue.hpp>
#include <com/sun/star/lang/XSingleComponentFactory.hpp>
#include <com/sun/star/loader/XImplementationLoader.hpp>
#include <com/sun/star/registry/XRegistryKey.hpp>
#include <exception>
#include <filesystem>
#include <memory>
#include <rtl/ref.hxx>

#include "platform/Env.h"
#include "word/HostedPhase.h"
#include "word/office/FileUrl.h"
#include "word/office/OfficeEnding.h"
#include "word/office/OfficeJobMessages.h"
#include "word/office/OfficeModuleEntry.h"
#include "word/office/OfficeTemporaries.h"
#include "word/office/PipeStats.h"
#include "word/office/PipeTraffic.h"
#include "word/office/UnoText.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace {

css::uno::Sequence<css::beans::NamedValue> job_arguments(const word::HostedPhase& phase,
                                                         const Reference<css::task::XJob>& messages) {
    css::uno::Sequence<css::beans::NamedValue> arguments(static_cast<sal_Int32>(phase.arguments.size()) + 2);
    auto* out = arguments.getArray();
    out[0] = css::beans::NamedValue("Phase", css::uno::Any(ou(phase.name)));
    out[1] = css::beans::NamedValue("Messages", css::uno::Any(messages));
    sal_Int32 i = 2;
    for (const auto& [name, value] : phase.arguments) {
        out[i++] = css::beans::NamedValue(ou(name), css::uno::Any(ou(value)));
    }
    return arguments;
}

}  // namespace

std::string office_job_library_path(Env& env) {
    const std::string directory = env.codeDirectory();
    if (directory.empty()) return {};
    return directory + "/" + kVaneOfficeJobLibraryName;
}

OfficeJobClient::OfficeJobClient(Env& env, const OfficeProcessOptions& options)
    : env_(env), options_(options) {}

Reference<css::task::XJob> OfficeJobClient::createJob(const OfficeProcess& office) const {
    const auto& context = office.context();
    const Reference<css::loader::XImplementationLoader> loader(
        context->getServiceManager()->createInstanceWithContext("com.sun.star.loader.SharedLibrary", context),
        UNO_QUERY_THROW);
    const Reference<css::lang::XSingleComponentFactory> factory(
        loader->activate(ou(kVaneOfficeJobImplementation), "", ou(file_url(office_job_library_path(env_))),
                         Reference<css::registry::XRegistryKey>()),
        UNO_QUERY_THROW);
    return Reference<css::task::XJob>(factory->createInstanceWithContext(context), UNO_QUERY_THROW);
}

void OfficeJobClient::removeLeftovers(const word::HostedPhase& phase,
                                      const std::set<std::filesystem::path>& earlierTemporaries) {
    std::error_code error;
    for (const std::string& document : phase.documents) {
        const std::filesystem::path path(document);
        std::filesystem::remove(path.parent_path() / (".~lock." + path.filename().string() + "#"), error);
    }
    for (const std::string& printed : phase.printed) remove_office_leftovers(printed, earlierTemporaries);
}

word::HostedPhaseResult OfficeJobClient::run(const word::HostedPhase& phase) {
    word::HostedPhaseResult result;
    std::unique_ptr<OfficeProcess> office;
    Reference<css::task::XJob> job;
    PipeStats& stats = PipeStats::process();
    stats.begin();
    const PipeTrafficCounts before = PipeTraffic::process().counts();
    try {
        office = std::make_unique<OfficeProcess>(env_, options_);
        job = createJob(*office);
    } catch (const std::exception& e) {
        result.failure = e.what();
        return result;
    } catch (const css::uno::Exception& e) {
        result.failure = "the office did not take the job: " + utf8(e.Message);
        return result;
    }
    result.started = true;
    stats.end("start");
    std::set<std::filesystem::path> earlierTemporaries;
    for (const std::string& printed : phase.printed)
        earlierTemporaries.merge(office_temporaries(std::filesystem::path(printed).parent_path()));

    rtl::Reference<OfficeJobMessages> messages(new OfficeJobMessages(phase));
    try {
        css::uno::Sequence<css::beans::NamedValue> values;
        if (!(job->execute(job_arguments(phase, css::uno::Reference<css::task::XJob>(messages.get()))) >>=
              values)) {
            throw std::runtime_error("the job answered nothing");
        }
        for (const auto& value : values) {
            sal_Int64 number = 0;
            rtl::OUString text;
            if (value.Value >>= number)
                result.values[utf8(value.Name)] = number;
            else if (value.Value >>= text)
                result.texts[utf8(value.Name)] = utf8(text);
        }
        result.completed = true;
    } catch (const css::uno::Exception& e) {
        // The pipe breaks a moment before the office's process is gone.
        for (int i = 0; i < 20 && !office->ended(); ++i) env_.sleepMilliseconds(100);
        result.failure = office->ended() ? "the office ended during the phase" : utf8(e.Message);
    } catch (const std::exception& e) {
        result.failure = e.what();
    }
    // The calls both ways over the pipe, from the office's start to the job's end.
    const PipeTrafficCounts during = PipeTraffic::process().counts() - before;
    result.values["PipeCalls"] = during.calls + during.callbacks;
    stats.end("job");
    job.clear();
    if (result.completed) {
        // The office ends while the caller goes on; the caller waits for it.
        result.ending = std::make_unique<OfficeEnding>(std::move(office));
        return result;
    }
    office->quit();
    stats.end("quit");
    removeLeftovers(phase, earlierTemporaries);
    return result;
}

}  // namespace vane
