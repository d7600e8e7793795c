#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "CatalogTables.h"
#include "MessageCatalog.h"
#include "frame/MessageIds.h"

namespace vane::catalog {
namespace {

// Sets an environment variable; an empty value counts as unset where it is
// read, which is what Windows makes of it.
void set_variable(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    ::setenv(name, value, 1);
#endif
}

void unset_variable(const char* name) {
#ifdef _WIN32
    _putenv_s(name, "");
#else
    ::unsetenv(name);
#endif
}

// The printf conversions of a format, in order ("%%" is not one).
std::vector<std::string> placeholders(const std::string& format) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < format.size() && std::string("-+ #0123456789.lh").find(format[j]) != std::string::npos) ++j;
        found.push_back(format.substr(i, j - i + 1));
        i = j;
    }
    return found;
}

TEST(MessageCatalog, HoldsTheIdsFrom101To233WithGapsAndTheVerboseTraces) {
    const std::vector<int> all = ids();
    EXPECT_EQ(all.size(), 125u);
    EXPECT_EQ(all.front(), 101);
    // 240 to 244: marks dropped because they lie off their page; 245: a link pass that stopped.
    EXPECT_EQ(all.back(), 245);
    for (int unused : {105, 112, 126, 150, 151, 218, 223, 233, 234, 239, 246}) {
        SCOPED_TRACE(unused);
        EXPECT_EQ(text(unused, Language::English), nullptr);
        EXPECT_EQ(text(unused, Language::French), nullptr);
    }
}

// The ids the engine and the desk use and the ids the tables hold are one set:
// no id without a text in either language, no text that nothing can print.
TEST(MessageCatalog, TablesHoldExactlyTheEnumeratedIds) {
    const std::vector<int> enumerated(std::begin(msg::kAll), std::end(msg::kAll));
    struct Table {
        const char* language;
        const Entry* entries;
        int count;
    };
    for (const Table& table :
         {Table{"English", kEnglish, kEnglishCount}, Table{"French", kFrench, kFrenchCount}}) {
        SCOPED_TRACE(table.language);
        std::vector<int> held;
        for (int i = 0; i < table.count; ++i) {
            held.push_back(table.entries[i].id);
            EXPECT_NE(table.entries[i].text, nullptr);
        }
        EXPECT_EQ(held, enumerated);  // the same ids, in id order
    }
    EXPECT_EQ(ids(), enumerated);
}

TEST(MessageCatalog, EveryIdHasBothLanguagesWithTheSamePlaceholders) {
    for (int id : ids()) {
        SCOPED_TRACE(id);
        const char* en = text(id, Language::English);
        const char* fr = text(id, Language::French);
        ASSERT_NE(en, nullptr);
        ASSERT_NE(fr, nullptr);
        EXPECT_EQ(placeholders(en), placeholders(fr));
        // Log texts start a new line in both languages alike.
        EXPECT_EQ(std::string(en).starts_with("\r\n"), std::string(fr).starts_with("\r\n"));
    }
}

TEST(MessageCatalog, FrenchIsATranslation) {
    int different = 0;
    for (int id : ids())
        if (std::string(text(id, Language::English)) != text(id, Language::French)) ++different;
    // Only texts made of placeholders alone (the banner) may read the same.
    EXPECT_GE(different, 115);
}

TEST(MessageCatalog, KeepsTheEnglishTextsExactly) {
    EXPECT_STREQ(text(102, Language::English), "%s version %s\r\n%s %s");
    EXPECT_STREQ(text(125, Language::English), "\r\n*** Process terminated with error ***");
    EXPECT_STREQ(text(144, Language::English), "\r\nRemove revison marks");
    EXPECT_STREQ(text(175, Language::English), "\r\nError writting file %s");
    EXPECT_STREQ(text(222, Language::English),
                 "This profile already exists.\r\nDo you want to overwrite it ?");
}

TEST(MessageCatalog, CopyMessageCutsAndTerminates) {
    set_current_language(Language::English);
    struct Case {
        int id;
        int size;
        const char* expected;
    } const cases[] = {
        {124, 4096, "\r\nProcess terminated successfully"},
        {124, 6, "\r\nPro"},
        {124, 1, ""},
        {999, 64, ""},
        {150, 64, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        std::string buffer(static_cast<std::size_t>(c.size) + 4, 'x');
        copy_message(c.id, buffer.data(), c.size);
        EXPECT_STREQ(buffer.c_str(), c.expected);
        EXPECT_EQ(buffer[static_cast<std::size_t>(c.size)], 'x') << "wrote past the buffer";
    }
}

TEST(MessageCatalog, LanguageValuesAreExactAndUpperCase) {
    Language l = Language::English;
    EXPECT_TRUE(parse_language("FRENCH", l));
    EXPECT_EQ(l, Language::French);
    EXPECT_TRUE(parse_language("ENGLISH", l));
    EXPECT_EQ(l, Language::English);
    for (const char* bad : {"french", "French", "FR", "", "ENGLISH "}) {
        SCOPED_TRACE(bad);
        l = Language::French;
        EXPECT_FALSE(parse_language(bad, l));
        EXPECT_EQ(l, Language::French);
    }
}

TEST(MessageCatalog, LanguageFromEnvironmentTakesTheFirstSetVariable) {
    struct Case {
        const char* language;
        const char* lcAll;
        const char* lang;
        Language expected;
    } const cases[] = {
        {"", "", "fr_FR.UTF-8", Language::French},
        {"", "", "en_US.UTF-8", Language::English},
        {"fr:en", "", "en_US.UTF-8", Language::French},
        {"", "C", "fr_CA.UTF-8", Language::English},
        {"", "", "", Language::English},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + "|" + c.lcAll + "|" + c.lang);
        set_variable("LANGUAGE", c.language);
        set_variable("LC_ALL", c.lcAll);
        unset_variable("LC_MESSAGES");
        set_variable("LANG", c.lang);
        EXPECT_EQ(language_from_environment(), c.expected);
    }
    unset_variable("LANGUAGE");
    unset_variable("LC_ALL");
}

}  // namespace
}  // namespace vane::catalog
