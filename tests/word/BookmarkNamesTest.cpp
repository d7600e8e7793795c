// The two readings of a reference field's bookmark and the contents-bookmark test.
#include <gtest/gtest.h>

#include <string>

#include "word/BookmarkNames.h"

namespace vane {
namespace {

TEST(BookmarkNames, ReferenceFieldCodesGiveTheirNameUnderEachRule) {
    struct Case {
        const char* code;
        const char* target;    // as links take it
        const char* bookmark;  // as the outline takes it
    };
    const Case cases[] = {
        {" PAGEREF _Toc123 \\h ", "_Toc123", "_Toc123"},
        {" PAGEREF _Toc123 \\H ", "_Toc123", "_Toc123"},
        // Without the switch the blank after the name stays for links only.
        {" PAGEREF _Toc123 ", "_Toc123 ", "_Toc123"},
        {" REF Intro \\p \\h ", "Intro \\p", "Intro"},
        {" NOTEREF _Ref9\t\\h", "_Ref9\t\\h", "_Ref9"},
        {"PAGEREF _Toc1", "_Toc1", "_Toc1"},
        // Only the first "REF " counts, upper case with its blank.
        {" PAGEREF REF x", "REF x", "REF"},
        {" pageref _Toc1 \\h", "", ""},
        {" PAGEREF\t_Toc1", "", ""},
        {"", "", ""},
        {" REF ", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(reference_field_target(c.code), c.target) << '"' << c.code << '"';
        EXPECT_EQ(reference_field_bookmark(c.code), c.bookmark) << '"' << c.code << '"';
    }
}

TEST(BookmarkNames, ContentsBookmarksBeginWithTocInAnyAsciiCase) {
    struct Case {
        std::string name;
        bool toc;
    };
    const Case cases[] = {
        {"_Toc123", true},          {"_TOC", true},
        {"_toc", true},             {"_tOc9", true},
        {"_To", false},             {"", false},
        {"Toc123", false},          {"x_Toc", false},
        {"__RefHeading___Toc1", false},
        {"_Ref123", false},
        // Bytes past ASCII never fold onto the letters.
        {"_\xd4OC", false},         {"_T\xcf" "C", false},
        {std::string("_T\0C", 4), false},
    };
    for (const Case& c : cases) EXPECT_EQ(is_toc_bookmark(c.name), c.toc) << c.name;
}

}  // namespace
}  // namespace vane
