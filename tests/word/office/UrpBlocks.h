// Blocks of a bridge's byte stream for the pipe-counting tests.
#pragma once

#include <cstdint>
#include <vector>

namespace vane::test {

// A block of `size` bytes of body opening with `first` (the rest `fill`),
// announcing `messages` messages.
inline std::vector<std::uint8_t> urp_block(std::uint8_t first, std::uint32_t size, std::uint8_t fill = 0,
                                           std::uint32_t messages = 1) {
    std::vector<std::uint8_t> block;
    for (const std::uint32_t value : {size, messages})
        for (int shift = 24; shift >= 0; shift -= 8)
            block.push_back(static_cast<std::uint8_t>(value >> shift));
    if (size > 0) {
        block.push_back(first);
        block.insert(block.end(), size - 1, fill);
    }
    return block;
}

}  // namespace vane::test
