#include "word/office/job/WordJob.h"

#include <com/sun/star/beans/NamedValue.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/uno/RuntimeException.hpp>
#include <exception>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Env.h"
#include "word/office/OfficeApplication.h"
#include "word/office/PipeStats.h"
#include "word/office/UnoText.h"
#include "word/office/job/D2hJob.h"
#include "word/office/job/D2pJob.h"
#include "word/office/job/JobOutput.h"

namespace vane {

css::uno::Any WordJob::execute(const css::uno::Sequence<css::beans::NamedValue>& arguments) {
    std::string phase;
    css::uno::Reference<css::task::XJob> messages;
    std::vector<std::pair<std::string, std::string>> texts;
    for (const auto& argument : arguments) {
        if (argument.Name == "Messages") {
            argument.Value >>= messages;
            continue;
        }
        rtl::OUString value;
        argument.Value >>= value;
        if (argument.Name == "Phase")
            phase = utf8(value);
        else
            texts.emplace_back(utf8(argument.Name), utf8(value));
    }
    if (phase != "d2p" && phase != "d2h") throw css::lang::IllegalArgumentException("unknown phase", {}, 0);

    JobValues values;
    try {
        JobOutput output(messages);
        PipeStats::process().setSide("office");
        auto application = std::make_unique<OfficeApplication>(env(), OfficeProcess::within(env(), context_));
        if (phase == "d2p")
            values.numbers = run_d2p_job(texts, std::move(application));
        else
            values = run_d2h_job(texts, std::move(application));
    } catch (const std::exception& e) {
        // No exception of ours crosses into the office.
        throw css::uno::RuntimeException(ou(e.what()));
    }
    css::uno::Sequence<css::beans::NamedValue> answer(
        static_cast<sal_Int32>(values.numbers.size() + values.texts.size()));
    sal_Int32 i = 0;
    for (const auto& [name, value] : values.numbers) {
        answer.getArray()[i++] =
            css::beans::NamedValue(ou(name), css::uno::Any(static_cast<sal_Int64>(value)));
    }
    for (const auto& [name, value] : values.texts)
        answer.getArray()[i++] = css::beans::NamedValue(ou(name), css::uno::Any(ou(value)));
    return css::uno::Any(answer);
}

}  // namespace vane
