// Character formatting of a range (its size).
#pragma once

#include "word/Font.h"

namespace vane {

class OfficeFont final : public word::Font {
public:
    explicit OfficeFont(float size) : size_(size) {}
    float size() override { return size_; }

private:
    float size_;
};

}  // namespace vane
