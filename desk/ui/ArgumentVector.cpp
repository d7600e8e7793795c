#include "ArgumentVector.h"

namespace vane::desk {

ArgumentVector::ArgumentVector(std::vector<std::string> entries) : entries_(std::move(entries)) {
    pointers_.reserve(entries_.size() + 1);
    for (std::string& entry : entries_) pointers_.push_back(entry.data());
    pointers_.push_back(nullptr);
}

}  // namespace vane::desk
