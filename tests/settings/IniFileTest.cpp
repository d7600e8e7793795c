#include <gtest/gtest.h>

#include <string>

#include "IniFile.h"
#include "SettingsText.h"
#include "TempDir.h"

namespace vane::settings {
namespace {

TEST(ParseInt, ReadsLikeTheCLibrary) {
    struct Case {
        const char* text;
        int expected;
    } const cases[] = {
        {"0", 0},
        {"42", 42},
        {"  7", 7},
        {"+4", 4},
        {"-3", -3},
        {"12px", 12},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"1 2", 1},
        {"007", 7},
        {"99999999999999999999", 2147483647},
        {"-99999999999999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parse_int(c.text), c.expected);
    }
}

TEST(IniFile, LooksUpSectionsAndKeysWithoutRegardToCase) {
    const IniFile file = IniFile::parse("[Setting1]\r\nName=A\r\n[SETTING2]\r\nname=B\r\n");
    EXPECT_EQ(file.value("setting1", "NAME"), "A");
    EXPECT_EQ(file.value("Setting2", "Name"), "B");
    EXPECT_EQ(file.value("Setting3", "Name"), std::nullopt);
    EXPECT_EQ(file.value("Setting1", "Other"), std::nullopt);
    EXPECT_EQ(file.value("Setting1", "Other", "5"), "5");
}

TEST(IniFile, FirstSectionAndFirstKeyWin) {
    const IniFile file =
        IniFile::parse("[Setting1]\nName=first\nName=second\n[setting1]\nName=third\nKey=only-in-second\n");
    EXPECT_EQ(file.value("Setting1", "Name"), "first");
    // Only the first section of a name is searched.
    EXPECT_EQ(file.value("Setting1", "Key"), std::nullopt);
}

TEST(IniFile, TrimsNamesAndValues) {
    const IniFile file = IniFile::parse("  [ Setting1 ]  \r\n \t Name \t=  \t two words \t \r\n");
    EXPECT_EQ(file.value("Setting1", "Name"), "two words");
}

TEST(IniFile, EmptyValueIsPresent) {
    const IniFile file = IniFile::parse("[s]\r\nA=\r\nB=   \r\n");
    EXPECT_EQ(file.value("s", "A"), "");
    EXPECT_EQ(file.value("s", "B", "default"), "");
}

TEST(IniFile, CutsValuesAt2047Bytes) {
    const std::string longValue = std::string(2047, 'x') + "yz";
    const IniFile file = IniFile::parse("[s]\r\nKey=" + longValue + "\r\n");
    EXPECT_EQ(file.value("s", "Key"), std::string(2047, 'x'));
    const IniFile exact = IniFile::parse("[s]\r\nKey=" + std::string(2047, 'q') + "\r\n");
    EXPECT_EQ(exact.value("s", "Key")->size(), 2047u);
}

TEST(IniFile, DamagedLines) {
    const IniFile file = IniFile::parse(
        "Name=before any section\r\n"
        "[s]\r\n"
        "; a comment=1\r\n"
        "NoEquals\r\n"
        "=no key\r\n"
        "Key=a=b\r\n"
        "[broken\r\n"
        "Lost=1\r\n"
        "[t]\r\n"
        "Key=t\r\n");
    EXPECT_EQ(file.value("s", "NoEquals"), "");
    EXPECT_EQ(file.value("s", "; a comment"), std::nullopt);
    EXPECT_EQ(file.value("s", "Key"), "a=b");
    EXPECT_EQ(file.value("s", "Lost"), std::nullopt);  // under the damaged header, in no section
    EXPECT_EQ(file.value("broken", "Lost"), std::nullopt);
    EXPECT_EQ(file.value("t", "Key"), "t");
}

TEST(IniFile, MissingFileHasNoSections) {
    test::TempDir dir;
    const IniFile file = IniFile::load(dir.file("absent.ini"));
    EXPECT_EQ(file.value("Setting1", "Name"), std::nullopt);
    // A directory cannot be read as a file either.
    EXPECT_EQ(IniFile::load(dir.path()).value("Setting1", "Name"), std::nullopt);
}

}  // namespace
}  // namespace vane::settings
