// The language of every text the program shows: the "language" option sets
// the thread's user-interface language, otherwise the thread's own decides.
#pragma once

#include <string>

#include "MessageCatalog.h"

namespace vane::desk {

// "FRENCH" sets the thread's user-interface language to 1036 and "ENGLISH"
// to 1033, and the catalogue answers in that language; with any other value
// it answers in the thread's language (French for any French variant,
// English otherwise). Returns the language chosen.
catalog::Language choose_thread_language(const std::string& languageOption);

}  // namespace vane::desk
