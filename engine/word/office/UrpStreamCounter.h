// Counts the messages in one direction of a bridge's byte stream, whatever
// the pieces the stream is handed over in. The stream is a run of blocks:
// a 4-byte size and a 4-byte message count (both big-endian), then `size`
// bytes holding that many messages. The first byte of a message tells a
// request from a reply: a short header (top bit clear) is always a request;
// a long header (top bit set) is one when its request bit (0x40) is set.
// Only the first message of a block is classified; the office writes one
// message per block, so every request is seen.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vane {

struct UrpCounts {
    long long messages = 0;
    long long requests = 0;
};

class UrpStreamCounter {
public:
    // The messages and requests whose block header or first byte lies in
    // this piece of the stream.
    UrpCounts feed(const std::uint8_t* data, std::size_t size);

private:
    std::array<std::uint8_t, 8> header_{};
    std::size_t headerFilled_ = 0;
    std::uint64_t bodyLeft_ = 0;  // bytes of the current block still to come
    bool firstByteDue_ = false;   // the next body byte opens the block's first message
};

}  // namespace vane
