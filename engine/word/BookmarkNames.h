// Bookmark names as the word processor writes them in documents: the names of
// table-of-contents bookmarks, and the bookmark a reference field's code names.
#pragma once

#include <string>
#include <string_view>

namespace vane {

// Whether `name` is a table-of-contents bookmark: it begins with "_TOC" in any
// case of the ASCII letters (other bytes never match). Inline so that the
// office module, which links nothing of the engine, shares it.
inline bool is_toc_bookmark(std::string_view name) {
    constexpr std::string_view prefix = "_TOC";
    if (name.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = name[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != prefix[i]) return false;
    }
    return true;
}

// The name a reference field's code gives after its first "REF ", cut before
// " \h", then before " \H", and nothing else: a code without the switch keeps
// the blank after the name. Links take this, blank and all (their destination
// lookup retries without trailing blanks). Empty when the code holds no "REF ".
std::string reference_field_target(const std::string& code);

// The same name cut at its first blank or tab: a bookmark name holds none, so
// whatever follows (a trailing blank, other switches) is not part of it. The
// outline built from a table of contents looks its entries up by this name.
std::string reference_field_bookmark(const std::string& code);

}  // namespace vane
