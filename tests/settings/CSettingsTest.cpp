#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "CSettings.h"
#include "IniFile.h"
#include "TempDir.h"

namespace vane {
namespace {

std::string golden(const std::string& name) {
    const char* source = std::getenv("VANE_SOURCE_DIR");
    if (source == nullptr) {
        ADD_FAILURE() << "VANE_SOURCE_DIR is not set (run through ctest)";
        return std::string();
    }
    const std::string bytes = test::read_file(std::string(source) + "/tests/data/settings/" + name);
    EXPECT_FALSE(bytes.empty()) << "missing golden file " << name;
    return bytes;
}

// A profile file made of one section 1 with the given lines after its name.
std::string one_section(const std::string& lines) {
    return "[Setting1]\r\nName=P\r\n" + lines;
}

class CSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { settings.SetPath(dir.file("settings.ini")); }

    // Writes the file, loads it and returns the profile named P (must exist).
    const CSetting& load_p(const std::string& text) {
        test::write_text(settings.Path(), text);
        settings.Load();
        const CSetting* p = settings.Find("P");
        EXPECT_NE(p, nullptr);
        static const CSetting none;
        return p != nullptr ? *p : none;
    }

    test::TempDir dir;
    CSettings settings;
};

TEST(CSetting, DefaultsAndValueCopy) {
    const CSetting fresh;
    EXPECT_EQ(fresh.Name, "");
    EXPECT_EQ(fresh.HeadingLevel, 5);
    EXPECT_EQ(fresh.HeadingLevelPdf, 5);
    EXPECT_EQ(fresh.IndexWidth, 200);
    EXPECT_TRUE(fresh.InternalLinks);
    EXPECT_TRUE(fresh.OpenBookmarks);
    EXPECT_EQ(fresh.SkipHeadings, 0);
    EXPECT_TRUE(fresh.UseHome);
    EXPECT_FALSE(fresh.AllHeadingsHtml);
    EXPECT_FALSE(fresh.AllHeadingsPdf);
    EXPECT_FALSE(fresh.CrossReferences);

    CSetting other("other");
    other.HeadingLevel = 1;
    other.HeadingLevelPdf = 2;
    other.IndexWidth = 3;
    other.InternalLinks = false;
    other.OpenBookmarks = false;
    other.SkipHeadings = 4;
    other.UseHome = false;
    other.AllHeadingsHtml = true;
    other.AllHeadingsPdf = true;
    other.CrossReferences = true;
    CSetting copy("copy");
    copy.CopyValues(other);
    EXPECT_EQ(copy.Name, "copy");
    EXPECT_TRUE(copy.SameValues(other));
    EXPECT_FALSE(copy.SameValues(fresh));
    // Each option alone makes the values differ.
    for (bool CSetting::*option : {&CSetting::AllHeadingsHtml, &CSetting::AllHeadingsPdf,
                                   &CSetting::CrossReferences}) {
        CSetting one;
        one.*option = true;
        EXPECT_FALSE(one.SameValues(fresh));
    }
}

TEST_F(CSettingsTest, MissingFileGivesTheDefaultProfileAndWritesIt) {
    EXPECT_TRUE(settings.Load());
    ASSERT_EQ(settings.Profiles().size(), 1u);
    const CSetting* current = settings.Find("PM_CurrentSetting");
    ASSERT_NE(current, nullptr);
    EXPECT_TRUE(current->SameValues(CSetting()));
    EXPECT_EQ(test::read_file(settings.Path()), golden("default.ini"));
}

TEST_F(CSettingsTest, MissingFolderStillLoads) {
    settings.SetPath(dir.file("no/such/folder/settings.ini"));
    EXPECT_TRUE(settings.Load());
    EXPECT_NE(settings.Find("PM_CurrentSetting"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(settings.Path()));
}

TEST_F(CSettingsTest, NumericValuesAreBounded) {
    struct Case {
        const char* line;
        int CSetting::*field;
        int expected;
    } const cases[] = {
        {"HeadingLevel=9\r\n", &CSetting::HeadingLevel, 5},
        {"HeadingLevel=0\r\n", &CSetting::HeadingLevel, 0},
        {"HeadingLevel=3\r\n", &CSetting::HeadingLevel, 3},
        {"HeadingLevelPdf=6\r\n", &CSetting::HeadingLevelPdf, 6},
        {"HeadingLevelPdf=7\r\n", &CSetting::HeadingLevelPdf, 6},
        {"IndexWidth=-3\r\n", &CSetting::IndexWidth, 0},
        {"IndexWidth=abc\r\n", &CSetting::IndexWidth, 0},
        {"IndexWidth=1000\r\n", &CSetting::IndexWidth, 1000},
        {"IndexWidth=1001\r\n", &CSetting::IndexWidth, 1000},
        {"IndexWidth=99999999999999\r\n", &CSetting::IndexWidth, 1000},
        {"IndexWidth=\r\n", &CSetting::IndexWidth, 200},
        {"IndexWidth=   \r\n", &CSetting::IndexWidth, 200},
        {"", &CSetting::IndexWidth, 200},
        {"SkipHeadings=12px\r\n", &CSetting::SkipHeadings, 12},
        {"SkipHeadings= 8 \r\n", &CSetting::SkipHeadings, 8},
        {"skipheadings=2\r\nSkipHeadings=4\r\n", &CSetting::SkipHeadings, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(load_p(one_section(c.line)).*c.field, c.expected);
    }
}

TEST_F(CSettingsTest, YesNoValues) {
    struct Case {
        const char* line;
        bool expected;
    } const cases[] = {
        {"InternalLinks=yes\r\n", true},   {"InternalLinks=YES\r\n", true},
        {"InternalLinks=yEs\r\n", true},   {"InternalLinks=  yes \r\n", true},
        {"InternalLinks=\r\n", true},      {"", true},
        {"InternalLinks=no\r\n", false},   {"InternalLinks=1\r\n", false},
        {"InternalLinks=true\r\n", false}, {"InternalLinks=y\r\n", false},
        {"InternalLinks=yes!\r\n", false}, {"InternalLinks=yes please\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(load_p(one_section(c.line)).InternalLinks, c.expected);
    }
    const CSetting& p = load_p(one_section("OpenBookmarks=No\r\nUseHome=nO\r\n"));
    EXPECT_FALSE(p.OpenBookmarks);
    EXPECT_FALSE(p.UseHome);
    EXPECT_TRUE(p.InternalLinks);
}

TEST_F(CSettingsTest, FirstSectionWithoutNameDropsTheRestOnSave) {
    test::write_text(settings.Path(), "[Setting1]\r\nHeadingLevel=1\r\n\r\n[Setting2]\r\nName=Kept?\r\n");
    settings.Load();
    ASSERT_EQ(settings.Profiles().size(), 1u);
    EXPECT_NE(settings.Find("PM_CurrentSetting"), nullptr);
    EXPECT_EQ(test::read_file(settings.Path()), golden("default.ini"));
}

TEST_F(CSettingsTest, ReadingStopsAtTheFirstMissingSection) {
    test::write_text(settings.Path(),
                     "[Setting1]\r\nName=One\r\n[Setting3]\r\nName=Three\r\n[Setting2x]\r\nName=Two\r\n");
    settings.Load();
    EXPECT_NE(settings.Find("One"), nullptr);
    EXPECT_EQ(settings.Find("Three"), nullptr);
    EXPECT_EQ(settings.Find("Two"), nullptr);
    EXPECT_EQ(settings.Profiles().size(), 2u);  // One and the added current profile
}

TEST_F(CSettingsTest, NamesAreTrimmedAndTheFirstOfTwoWins) {
    test::write_text(settings.Path(),
                     "[Setting1]\r\nName=  \t Spaced \t \r\nHeadingLevel=1\r\n"
                     "[Setting2]\r\nName=Spaced\r\nHeadingLevel=2\r\n"
                     "[Setting3]\r\nName=spaced\r\nHeadingLevel=3\r\n");
    settings.Load();
    ASSERT_NE(settings.Find("Spaced"), nullptr);
    EXPECT_EQ(settings.Find("Spaced")->Name, "Spaced");
    EXPECT_EQ(settings.Find("Spaced")->HeadingLevel, 1);
    ASSERT_NE(settings.Find("spaced"), nullptr);  // names are case-sensitive
    EXPECT_EQ(settings.Find("spaced")->HeadingLevel, 3);
    EXPECT_NE(settings.Find("  Spaced\t"), nullptr);
}

TEST_F(CSettingsTest, OverlongNameIsCutAt2047Bytes) {
    test::write_text(settings.Path(), "[Setting1]\r\nName=" + std::string(3000, 'n') + "\r\n");
    settings.Load();
    EXPECT_NE(settings.Find(std::string(2047, 'n')), nullptr);
}

TEST_F(CSettingsTest, SaveWritesSectionsInOrdinalNameOrder) {
    auto add = [&](const char* name) {
        auto setting = std::make_unique<CSetting>(name);
        CSetting* raw = setting.get();
        EXPECT_TRUE(settings.Store(std::move(setting)));
        return raw;
    };
    CSetting* beta = add("beta");
    beta->HeadingLevel = 2;
    beta->HeadingLevelPdf = 0;
    beta->IndexWidth = 0;
    beta->OpenBookmarks = false;
    beta->SkipHeadings = 1000;
    CSetting* alpha = add("Alpha");
    alpha->HeadingLevel = 0;
    alpha->HeadingLevelPdf = 6;
    alpha->IndexWidth = 1000;
    alpha->InternalLinks = false;
    alpha->SkipHeadings = 3;
    alpha->UseHome = false;
    add("PM_CurrentSetting");
    EXPECT_TRUE(settings.Save());
    EXPECT_EQ(test::read_file(settings.Path()), golden("ordered.ini"));

    // Reading the file back gives the same profiles.
    CSettings again;
    again.SetPath(settings.Path());
    again.Load();
    ASSERT_EQ(again.Profiles().size(), 3u);
    for (const auto& [name, setting] : settings.Profiles()) {
        SCOPED_TRACE(name);
        ASSERT_NE(again.Find(name), nullptr);
        EXPECT_TRUE(again.Find(name)->SameValues(*setting));
    }
}

TEST_F(CSettingsTest, StoreReplacesByTrimmedName) {
    settings.Load();
    auto first = std::make_unique<CSetting>("Alpha");
    first->IndexWidth = 10;
    settings.Store(std::move(first));
    auto second = std::make_unique<CSetting>("  Alpha  ");
    second->IndexWidth = 20;
    CSetting* raw = second.get();
    EXPECT_TRUE(settings.Store(std::move(second)));
    EXPECT_EQ(settings.Profiles().size(), 2u);
    EXPECT_EQ(settings.Find("Alpha"), raw);
    EXPECT_EQ(raw->Name, "Alpha");
    const std::string text = test::read_file(settings.Path());
    EXPECT_EQ(text.find("Name=Alpha\r\n"), text.rfind("Name=Alpha\r\n"));
    EXPECT_NE(text.find("IndexWidth=20\r\n"), std::string::npos);
    EXPECT_EQ(text.find("IndexWidth=10\r\n"), std::string::npos);

    // Storing the profile the collection already holds keeps it.
    EXPECT_TRUE(settings.Store(std::unique_ptr<CSetting>(raw)));
    EXPECT_EQ(settings.Find("Alpha"), raw);
}

TEST_F(CSettingsTest, StoreRefusesNamesTheFileCannotCarry) {
    settings.Load();
    const std::string before = test::read_file(settings.Path());
    for (const char* name : {"", "   ", "two\r\nlines", "line\nfeed"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(settings.Store(std::make_unique<CSetting>(name)));
    }
    EXPECT_EQ(settings.Profiles().size(), 1u);
    EXPECT_EQ(test::read_file(settings.Path()), before);
}

TEST_F(CSettingsTest, LoadAndSaveCanonicalisesAHandEditedFile) {
    test::write_text(settings.Path(), golden("messy.ini"));
    settings.Load();
    EXPECT_TRUE(settings.Save());
    EXPECT_EQ(test::read_file(settings.Path()), golden("messy_saved.ini"));
}

TEST_F(CSettingsTest, LoadReplacesWhatWasInMemory) {
    settings.Load();
    settings.Store(std::make_unique<CSetting>("Gone"));
    test::write_text(settings.Path(), golden("ordered.ini"));
    settings.Load();
    EXPECT_EQ(settings.Find("Gone"), nullptr);
    EXPECT_EQ(settings.Profiles().size(), 3u);
    settings.Clear();
    EXPECT_TRUE(settings.Profiles().empty());
}

TEST_F(CSettingsTest, FailedSaveKeepsTheOldFileAndTheProfiles) {
    test::write_text(settings.Path(), golden("ordered.ini"));
    settings.Load();
    // The temporary file cannot be made: a directory stands in its place.
    std::filesystem::create_directory(settings.Path() + ".tmp");
    settings.Find("Alpha")->IndexWidth = 1;
    EXPECT_FALSE(settings.Save());
    EXPECT_TRUE(settings.Store(std::make_unique<CSetting>("New")));  // stored even though the save fails
    EXPECT_NE(settings.Find("New"), nullptr);
    EXPECT_EQ(test::read_file(settings.Path()), golden("ordered.ini"));
}

TEST_F(CSettingsTest, SaveWithoutPathFails) {
    CSettings unset;
    EXPECT_FALSE(unset.Save());
    EXPECT_TRUE(unset.Load());
    EXPECT_NE(unset.Find("PM_CurrentSetting"), nullptr);
}

TEST_F(CSettingsTest, SaveLeavesNoTemporaryFile) {
    settings.Load();
    EXPECT_TRUE(settings.Save());
    EXPECT_FALSE(std::filesystem::exists(settings.Path() + ".tmp"));
}

// The options added later: a file written before them has no such key and
// loads with them off; only "yes" turns one on; a save writes them and they
// come back.
TEST_F(CSettingsTest, OptionKeysOfLaterFilesReadOffWhenAbsent) {
    struct Case {
        const char* lines;
        bool html, pdf, references;
    } const cases[] = {
        {"HeadingLevel=2\r\nInternalLinks=yes\r\nUseHome=yes\r\n", false, false, false},
        {"AllHeadingsHtml=yes\r\n", true, false, false},
        {"AllHeadingsPdf=YES\r\nCrossReferences= yes \r\n", false, true, true},
        {"AllHeadingsHtml=\r\nAllHeadingsPdf=1\r\nCrossReferences=true\r\n", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        const CSetting& p = load_p(one_section(c.lines));
        EXPECT_EQ(p.AllHeadingsHtml, c.html);
        EXPECT_EQ(p.AllHeadingsPdf, c.pdf);
        EXPECT_EQ(p.CrossReferences, c.references);
    }
}

TEST_F(CSettingsTest, OptionsRoundTripAndOlderReadersFindTheirKeysUnchanged) {
    settings.Load();
    auto on = std::make_unique<CSetting>("On");
    on->AllHeadingsHtml = true;
    on->CrossReferences = true;
    on->UseHome = false;
    on->IndexWidth = 321;
    settings.Store(std::move(on));

    CSettings reread;
    reread.SetPath(settings.Path());
    reread.Load();
    ASSERT_NE(reread.Find("On"), nullptr);
    EXPECT_TRUE(reread.Find("On")->SameValues(*settings.Find("On")));
    EXPECT_TRUE(reread.Find("On")->AllHeadingsHtml);
    EXPECT_FALSE(reread.Find("On")->AllHeadingsPdf);
    EXPECT_TRUE(reread.Find("On")->CrossReferences);

    // A reader that knows only the first keys walks Setting1, Setting2 ... by
    // name and reads each key by name: the new file gives it the same values
    // as a file without the new keys.
    std::string withoutOptions;
    const std::string text = test::read_file(settings.Path());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        const std::string line = text.substr(at, end - at + 2);
        at = end + 2;
        if (line.rfind("AllHeadings", 0) != 0 && line.rfind("CrossReferences", 0) != 0) withoutOptions += line;
    }
    const settings::IniFile withKeys = settings::IniFile::parse(text);
    const settings::IniFile withoutKeys = settings::IniFile::parse(withoutOptions);
    for (const char* section : {"Setting1", "Setting2", "Setting3"}) {
        for (const char* key : {"Name", "HeadingLevel", "HeadingLevelPdf", "IndexWidth", "InternalLinks",
                                "OpenBookmarks", "SkipHeadings", "UseHome"}) {
            SCOPED_TRACE(std::string(section) + " " + key);
            EXPECT_EQ(withKeys.value(section, key), withoutKeys.value(section, key));
        }
    }
    EXPECT_EQ(withKeys.value("Setting1", "Name"), std::optional<std::string>("On"));
    EXPECT_EQ(withKeys.value("Setting1", "UseHome"), std::optional<std::string>("no"));
}

}  // namespace
}  // namespace vane
