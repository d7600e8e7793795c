// The message catalogue shared by vanedesk and the vane host: numbered texts
// (ids 101 to 233 and 240 to 244) in English and French, used as printf-style formats.
#pragma once

#include <string>
#include <vector>

namespace vane::catalog {

enum class Language { English, French };

// The text of `id` in `language`; null when the id has no text.
const char* text(int id, Language language);

// Every id of the catalogue, ascending.
std::vector<int> ids();

// The language the catalogue callback answers in (English until set).
Language current_language();
void set_current_language(Language language);

// The language a user interface would pick from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG (the first that is set and non-empty): French when it
// starts with "fr", English otherwise.
Language language_from_environment();

// Parses a "-language" value: "FRENCH" or "ENGLISH" exactly; false otherwise.
bool parse_language(const std::string& value, Language& language);

// The catalogue callback: copies the text of `id` in the current language,
// cut to size - 1 bytes and terminated; an unknown id gives the empty text.
void copy_message(int id, char* buffer, int size);

}  // namespace vane::catalog
