// A stretch of a story between two linear positions, [start, end); collapsed
// when both are the same (a caret).
#pragma once

namespace vane::word {

class TextSpan {
public:
    TextSpan() = default;
    TextSpan(int start, int end) : start(start), end(end) {}

    bool collapsed() const { return start == end; }
    // Whether `position` lies inside, the end excluded.
    bool holds(int position) const { return start <= position && position < end; }
    // The span set to [from, to), both kept inside [0, limit] and the end not before the start.
    static TextSpan clamped(int from, int to, int limit);

    bool operator==(const TextSpan& other) const { return start == other.start && end == other.end; }

    int start = 0;
    int end = 0;
};

}  // namespace vane::word
