// The job our process hands to the office: runs a phase of a command inside
// the office's own process, over the office backend with the office's own
// component context, so that the many small calls of the walks stay in the
// process. Arguments: "Phase" (its name), "Messages" (the caller's callback,
// an XJob taking "Text" and "Message"), then the phase's texts. Answers the
// phase's values as NamedValues of hyper.
#pragma once

#include <com/sun/star/task/XJob.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <cppuhelper/implbase1.hxx>

namespace vane {

class WordJob final : public cppu::WeakImplHelper1<css::task::XJob> {
public:
    explicit WordJob(const css::uno::Reference<css::uno::XComponentContext>& context) : context_(context) {}

    css::uno::Any SAL_CALL execute(const css::uno::Sequence<css::beans::NamedValue>& arguments) override;

private:
    css::uno::Reference<css::uno::XComponentContext> context_;
};

}  // namespace vane
