#include "word/office/UrpStreamCounter.h"

#include <algorithm>

namespace vane {

namespace {

constexpr std::uint8_t kLongHeader = 0x80;
constexpr std::uint8_t kRequest = 0x40;

std::uint32_t big_endian(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

bool is_request(std::uint8_t first) {
    return (first & kLongHeader) == 0 || (first & kRequest) != 0;
}

}  // namespace

UrpCounts UrpStreamCounter::feed(const std::uint8_t* data, std::size_t size) {
    UrpCounts counts;
    std::size_t at = 0;
    while (at < size) {
        if (bodyLeft_ == 0) {
            const std::size_t take = std::min(header_.size() - headerFilled_, size - at);
            std::copy_n(data + at, take, header_.begin() + static_cast<std::ptrdiff_t>(headerFilled_));
            headerFilled_ += take;
            at += take;
            if (headerFilled_ < header_.size()) break;
            headerFilled_ = 0;
            bodyLeft_ = big_endian(header_.data());
            const std::uint32_t messages = big_endian(header_.data() + 4);
            counts.messages += messages;
            firstByteDue_ = messages > 0 && bodyLeft_ > 0;
            continue;
        }
        if (firstByteDue_) {
            if (is_request(data[at])) ++counts.requests;
            firstByteDue_ = false;
        }
        const std::uint64_t take = std::min<std::uint64_t>(bodyLeft_, size - at);
        bodyLeft_ -= take;
        at += static_cast<std::size_t>(take);
    }
    return counts;
}

}  // namespace vane
