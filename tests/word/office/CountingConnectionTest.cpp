// The connection under the bridge: forwards every call and counts what
// crosses it into the traffic totals.
#include <gtest/gtest.h>

#include <algorithm>
#include <rtl/ref.hxx>
#include <vector>

#include "UrpBlocks.h"
#include "word/office/CountingConnection.h"

namespace vane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A pipe whose far end has sent `incoming`; reads hand it out at most
// `piece` bytes at a time.
class FakeConnection final : public cppu::WeakImplHelper1<css::connection::XConnection> {
public:
    FakeConnection(Bytes incoming, sal_Int32 piece) : incoming_(std::move(incoming)), piece_(piece) {}

    sal_Int32 SAL_CALL read(css::uno::Sequence<sal_Int8>& bytes, sal_Int32 count) override {
        const auto take = static_cast<sal_Int32>(std::min<std::size_t>(
            {static_cast<std::size_t>(count), static_cast<std::size_t>(piece_), incoming_.size() - readAt_}));
        bytes =
            css::uno::Sequence<sal_Int8>(reinterpret_cast<const sal_Int8*>(incoming_.data() + readAt_), take);
        readAt_ += static_cast<std::size_t>(take);
        return take;
    }
    void SAL_CALL write(const css::uno::Sequence<sal_Int8>& bytes) override {
        written.insert(written.end(), bytes.begin(), bytes.end());
    }
    void SAL_CALL flush() override { ++flushes; }
    void SAL_CALL close() override { closed = true; }
    rtl::OUString SAL_CALL getDescription() override { return "fake"; }

    Bytes written;
    int flushes = 0;
    bool closed = false;

private:
    Bytes incoming_;
    sal_Int32 piece_;
    std::size_t readAt_ = 0;
};

css::uno::Sequence<sal_Int8> sequence(const Bytes& bytes) {
    return css::uno::Sequence<sal_Int8>(reinterpret_cast<const sal_Int8*>(bytes.data()),
                                        static_cast<sal_Int32>(bytes.size()));
}

Bytes joined(std::initializer_list<Bytes> blocks) {
    Bytes all;
    for (const auto& block : blocks) all.insert(all.end(), block.begin(), block.end());
    return all;
}

TEST(CountingConnection, CountsWhatIsWrittenAndReadAndForwardsIt) {
    // The far end answers two calls and makes one of its own.
    const Bytes incoming =
        joined({test::urp_block(0x80, 10), test::urp_block(0x80, 3), test::urp_block(0x07, 6)});
    rtl::Reference<FakeConnection> pipe(new FakeConnection(incoming, 5));
    PipeTraffic traffic;
    const css::uno::Reference<css::connection::XConnection> connection(
        new CountingConnection(css::uno::Reference<css::connection::XConnection>(pipe.get()), traffic));

    // Two requests, the header of the second written apart from its body.
    const Bytes first = test::urp_block(0xC8, 30);
    const Bytes second = test::urp_block(0x05, 4);
    const Bytes reply = test::urp_block(0x80, 2);
    connection->write(sequence(first));
    connection->write(sequence(Bytes(second.begin(), second.begin() + 8)));
    connection->write(sequence(Bytes(second.begin() + 8, second.end())));
    connection->write(sequence(reply));
    EXPECT_EQ(pipe->written, joined({first, second, reply}));

    css::uno::Sequence<sal_Int8> got;
    std::size_t read = 0;
    while (read < incoming.size()) {
        const sal_Int32 n = connection->read(got, 8);
        ASSERT_GT(n, 0);
        read += static_cast<std::size_t>(n);
    }

    const PipeTrafficCounts counts = traffic.counts();
    EXPECT_EQ(counts.calls, 2);
    EXPECT_EQ(counts.messagesOut, 3);
    EXPECT_EQ(counts.bytesOut, static_cast<long long>(first.size() + second.size() + reply.size()));
    EXPECT_EQ(counts.callbacks, 1);
    EXPECT_EQ(counts.messagesIn, 3);
    EXPECT_EQ(counts.bytesIn, static_cast<long long>(incoming.size()));

    connection->flush();
    EXPECT_EQ(connection->getDescription(), "fake");
    connection->close();
    EXPECT_EQ(pipe->flushes, 1);
    EXPECT_TRUE(pipe->closed);
}

}  // namespace
}  // namespace vane
