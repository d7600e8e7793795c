#include "MessageCatalog.h"

#include <cstdlib>
#include <cstring>

#include "CatalogTables.h"

namespace vane::catalog {

namespace {

Language g_language = Language::English;

const char* find(const Entry* table, int count, int id) {
    for (int i = 0; i < count; ++i)
        if (table[i].id == id) return table[i].text;
    return nullptr;
}

}  // namespace

const char* text(int id, Language language) {
    return language == Language::French ? find(kFrench, kFrenchCount, id)
                                        : find(kEnglish, kEnglishCount, id);
}

std::vector<int> ids() {
    std::vector<int> result;
    result.reserve(static_cast<std::size_t>(kEnglishCount));
    for (int i = 0; i < kEnglishCount; ++i) result.push_back(kEnglish[i].id);
    return result;
}

Language current_language() { return g_language; }

void set_current_language(Language language) { g_language = language; }

Language language_from_environment() {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return std::strncmp(value, "fr", 2) == 0 ? Language::French : Language::English;
    }
    return Language::English;
}

bool parse_language(const std::string& value, Language& language) {
    if (value == "FRENCH") {
        language = Language::French;
        return true;
    }
    if (value == "ENGLISH") {
        language = Language::English;
        return true;
    }
    return false;
}

void copy_message(int id, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    const char* t = text(id, g_language);
    if (t == nullptr) t = "";
    std::size_t n = std::strlen(t);
    if (n > static_cast<std::size_t>(size - 1)) n = static_cast<std::size_t>(size - 1);
    std::memcpy(buffer, t, n);
    buffer[n] = '\0';
}

}  // namespace vane::catalog
