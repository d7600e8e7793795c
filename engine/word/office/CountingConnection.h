// The connection to the office as the bridge sees it, counting what passes:
// every piece written or read is fed to a stream counter for its direction
// and added to the process's pipe totals. Everything else is forwarded.
#pragma once

#include <com/sun/star/connection/XConnection.hpp>
#include <cppuhelper/implbase1.hxx>
#include <mutex>

#include "word/office/PipeTraffic.h"
#include "word/office/UrpStreamCounter.h"

namespace vane {

class CountingConnection final : public cppu::WeakImplHelper1<css::connection::XConnection> {
public:
    CountingConnection(const css::uno::Reference<css::connection::XConnection>& connection,
                       PipeTraffic& traffic);

    sal_Int32 SAL_CALL read(css::uno::Sequence<sal_Int8>& bytes, sal_Int32 count) override;
    void SAL_CALL write(const css::uno::Sequence<sal_Int8>& bytes) override;
    void SAL_CALL flush() override;
    void SAL_CALL close() override;
    rtl::OUString SAL_CALL getDescription() override;

private:
    css::uno::Reference<css::connection::XConnection> connection_;
    PipeTraffic& traffic_;
    // The bridge reads in one thread and may write from several.
    std::mutex readLock_;
    std::mutex writeLock_;
    UrpStreamCounter reads_;
    UrpStreamCounter writes_;
};

}  // namespace vane
