#include "DialogTemplate.h"

#include <cstring>

namespace vane::desk {

LANGID template_language(catalog::Language language) {
    return language == catalog::Language::French ? MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH)
                                                 : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

catalog::Language language_for_ui(int languageId) {
    return PRIMARYLANGID(static_cast<LANGID>(languageId)) == LANG_FRENCH ? catalog::Language::French
                                                                         : catalog::Language::English;
}

std::vector<unsigned char> load_dialog_template(int id, catalog::Language language, bool hidden) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceExW(module, MAKEINTRESOURCEW(5) /* RT_DIALOG */, MAKEINTRESOURCEW(id),
                                     template_language(language));
    if (resource == nullptr)
        resource = FindResourceExW(module, MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(id),
                                   template_language(catalog::Language::English));
    if (resource == nullptr) return {};
    const void* data = LockResource(LoadResource(module, resource));
    const DWORD size = SizeofResource(module, resource);
    if (data == nullptr || size < 16) return {};
    std::vector<unsigned char> copy(static_cast<const unsigned char*>(data),
                                    static_cast<const unsigned char*>(data) + size);
    if (hidden) {
        // DLGTEMPLATEEX: version, signature 0xFFFF, help id, extended style, style.
        const bool extended = copy[2] == 0xFF && copy[3] == 0xFF;
        const std::size_t styleOffset = extended ? 12 : 0;
        DWORD style = 0;
        std::memcpy(&style, copy.data() + styleOffset, sizeof style);
        style &= ~static_cast<DWORD>(WS_VISIBLE);
        std::memcpy(copy.data() + styleOffset, &style, sizeof style);
    }
    return copy;
}

}  // namespace vane::desk
