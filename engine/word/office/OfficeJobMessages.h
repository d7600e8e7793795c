// The object the job inside the office calls back: each message of the phase
// as it is printed ("Text": the formatted bytes), and the catalogue text of a
// message ("Message": its number; answers the bytes).
#pragma once

#include <com/sun/star/task/XJob.hpp>
#include <cppuhelper/implbase1.hxx>

namespace vane {

namespace word {
struct HostedPhase;
}

class OfficeJobMessages final : public cppu::WeakImplHelper1<css::task::XJob> {
public:
    explicit OfficeJobMessages(const word::HostedPhase& phase) : phase_(phase) {}

    css::uno::Any SAL_CALL execute(const css::uno::Sequence<css::beans::NamedValue>& arguments) override;

private:
    const word::HostedPhase& phase_;
};

}  // namespace vane
