// The stored texts of the message catalogue, one table per language, in id order.
#pragma once

#include "frame/MessageIds.h"

namespace vane::catalog {

struct Entry {
    msg::Id id;
    const char* text;
};

extern const Entry kEnglish[];
extern const int kEnglishCount;
extern const Entry kFrench[];
extern const int kFrenchCount;

}  // namespace vane::catalog
