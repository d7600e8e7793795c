// Counting the messages of a bridge's byte stream, however it is cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "UrpBlocks.h"
#include "word/office/UrpStreamCounter.h"

namespace vane {
namespace {

struct StreamCase {
    std::string name;
    std::vector<std::vector<std::uint8_t>> blocks;
    long long messages;
    long long requests;
};

void PrintTo(const StreamCase& streamCase, std::ostream* out) {
    *out << streamCase.name;
}

class UrpStreamCounterTest : public ::testing::TestWithParam<StreamCase> {};

TEST_P(UrpStreamCounterTest, CountsTheSameWhateverThePieces) {
    std::vector<std::uint8_t> stream;
    for (const auto& block : GetParam().blocks) stream.insert(stream.end(), block.begin(), block.end());
    // Whole, byte by byte, and in pieces that cut headers and bodies anywhere.
    for (const std::size_t piece :
         {stream.size(), std::size_t{1}, std::size_t{3}, std::size_t{7}, std::size_t{9}}) {
        UrpStreamCounter counter;
        UrpCounts total;
        for (std::size_t at = 0; at < stream.size(); at += piece) {
            const UrpCounts counts = counter.feed(stream.data() + at, std::min(piece, stream.size() - at));
            total.messages += counts.messages;
            total.requests += counts.requests;
        }
        EXPECT_EQ(total.messages, GetParam().messages) << "pieces of " << piece;
        EXPECT_EQ(total.requests, GetParam().requests) << "pieces of " << piece;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, UrpStreamCounterTest,
    ::testing::Values(
        StreamCase{"ShortHeaderRequest", {test::urp_block(0x05, 12)}, 1, 1},
        StreamCase{"LongHeaderRequest", {test::urp_block(0xC0 | 0x08, 40)}, 1, 1},
        StreamCase{"Reply", {test::urp_block(0x80, 5)}, 1, 0},
        StreamCase{"ExceptionReply", {test::urp_block(0x80 | 0x20, 30)}, 1, 0},
        StreamCase{"OneByteMessages", {test::urp_block(0x01, 1), test::urp_block(0x80, 1)}, 2, 1},
        // A body byte that looks like a header must not be taken for one.
        StreamCase{
            "BodyBytesAreNotHeaders",
            {test::urp_block(0x80, 300, 0x05), test::urp_block(0x02, 2, 0xC0), test::urp_block(0x80, 9)},
            3,
            1},
        StreamCase{"TwoMessagesInOneBlock", {test::urp_block(0x05, 20, 0, 2)}, 2, 1},
        StreamCase{"LargeBlock", {test::urp_block(0xC4, 70000), test::urp_block(0x80, 3)}, 2, 1}),
    [](const auto& info) { return info.param.name; });

TEST(UrpStreamCounter, AHeaderCutShortCountsNothingUntilItIsWhole) {
    const auto block = test::urp_block(0x05, 4);
    UrpStreamCounter counter;
    EXPECT_EQ(counter.feed(block.data(), 7).messages, 0);
    const UrpCounts rest = counter.feed(block.data() + 7, block.size() - 7);
    EXPECT_EQ(rest.messages, 1);
    EXPECT_EQ(rest.requests, 1);
}

}  // namespace
}  // namespace vane
