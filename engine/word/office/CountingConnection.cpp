#include "word/office/CountingConnection.h"

namespace vane {

namespace {

const std::uint8_t* bytes_of(const css::uno::Sequence<sal_Int8>& bytes) {
    return reinterpret_cast<const std::uint8_t*>(bytes.getConstArray());
}

}  // namespace

CountingConnection::CountingConnection(const css::uno::Reference<css::connection::XConnection>& connection,
                                       PipeTraffic& traffic)
    : connection_(connection), traffic_(traffic) {}

sal_Int32 CountingConnection::read(css::uno::Sequence<sal_Int8>& bytes, sal_Int32 count) {
    const sal_Int32 got = connection_->read(bytes, count);
    if (got > 0) {
        const std::lock_guard lock(readLock_);
        traffic_.received(got, reads_.feed(bytes_of(bytes), static_cast<std::size_t>(got)));
    }
    return got;
}

void CountingConnection::write(const css::uno::Sequence<sal_Int8>& bytes) {
    // Counted under the lock that orders the pieces, so that a block header
    // split over two writes is put together in the order it was written.
    const std::lock_guard lock(writeLock_);
    connection_->write(bytes);
    traffic_.sent(bytes.getLength(),
                  writes_.feed(bytes_of(bytes), static_cast<std::size_t>(bytes.getLength())));
}

void CountingConnection::flush() {
    connection_->flush();
}

void CountingConnection::close() {
    connection_->close();
}

rtl::OUString CountingConnection::getDescription() {
    return connection_->getDescription();
}

}  // namespace vane
