#include "word/TextSpan.h"

#include <algorithm>

namespace vane::word {

TextSpan TextSpan::clamped(int from, int to, int limit) {
    limit = std::max(limit, 0);
    const int start = std::clamp(from, 0, limit);
    return {start, std::clamp(to, start, limit)};
}

}  // namespace vane::word
