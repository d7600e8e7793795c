#include "ThreadLanguage.h"

#include <windows.h>

#include "DialogTemplate.h"

namespace vane::desk {

catalog::Language choose_thread_language(const std::string& languageOption) {
    catalog::Language language = catalog::Language::English;
    if (catalog::parse_language(languageOption, language))
        // The option decides even where the system keeps its own language (Wine does).
        SetThreadUILanguage(template_language(language));
    else
        language = language_for_ui(GetThreadUILanguage());
    catalog::set_current_language(language);
    return language;
}

}  // namespace vane::desk
