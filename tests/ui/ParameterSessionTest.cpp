#include <gtest/gtest.h>

#include <deque>

#include "ParameterSession.h"
#include "TempDir.h"

namespace vane::desk {
namespace {

// Answers the dialogs from preset replies and records what was asked.
class FakeParametersView : public ParametersView {
public:
    bool ReadControls() override {
        asked.push_back("read");
        return readOk;
    }
    void WriteControls() override { asked.push_back("write"); }
    std::optional<std::string> AskSaveName(const std::string& name) override {
        asked.push_back("save dialog: " + name);
        return saveName;
    }
    bool ConfirmOverwrite() override {
        asked.push_back("box 222");
        return overwrite;
    }
    std::optional<std::string> AskLoadName(const std::vector<std::string>& names) override {
        listed = names;
        asked.push_back("load dialog");
        return loadName;
    }

    bool readOk = true;
    std::optional<std::string> saveName;
    bool overwrite = false;
    std::optional<std::string> loadName;
    std::vector<std::string> listed;
    std::vector<std::string> asked;
};

class ParameterFlows : public ::testing::Test {
protected:
    ParameterFlows() {
        settings.SetPath(dir.file("settings.ini"));
        settings.Load();
        auto alpha = std::make_unique<CSetting>("alpha");
        alpha->IndexWidth = 111;
        alpha->UseHome = false;
        settings.Store(std::move(alpha));
        auto beta = std::make_unique<CSetting>("Beta");
        beta->IndexWidth = 222;
        settings.Store(std::move(beta));
    }
    const CSetting& Profile(const std::string& name) { return *settings.Find(name); }

    test::TempDir dir;
    CSettings settings;
    FakeParametersView view;
};

TEST_F(ParameterFlows, SettingsOkWritesTheCurrentParameters) {
    ParameterSession session(settings);
    session.SettingsFlow([&] {
        session.Current().IndexWidth = 640;
        return true;
    });
    EXPECT_EQ(Profile(CSettings::kCurrentSetting).IndexWidth, 640);
    CSettings reread;
    reread.SetPath(settings.Path());
    reread.Load();
    EXPECT_EQ(reread.Find(CSettings::kCurrentSetting)->IndexWidth, 640);
}

TEST_F(ParameterFlows, SettingsOkWithoutChangesRewritesTheSameValues) {
    settings.Find(CSettings::kCurrentSetting)->SkipHeadings = 9;
    settings.Save();
    const std::string before = test::read_file(settings.Path());
    test::write_text(settings.Path(), "");
    ParameterSession session(settings);
    session.SettingsFlow([] { return true; });
    EXPECT_EQ(test::read_file(settings.Path()), before);
}

TEST_F(ParameterFlows, LoadThenCancelKeepsTheLoadedValuesUntilTheNextSettings) {
    ParameterSession session(settings);
    view.loadName = "alpha";
    session.SettingsFlow([&] {
        session.Load(view);
        return false;
    });
    EXPECT_EQ(session.Current().IndexWidth, 111);
    EXPECT_FALSE(session.Current().UseHome);
    EXPECT_EQ(session.CurrentProfileName(), "alpha");
    EXPECT_EQ(Profile(CSettings::kCurrentSetting).IndexWidth, 200);
    // The next Settings flow starts again from the stored current profile.
    int shown = 0;
    session.SettingsFlow([&] {
        shown = session.Current().IndexWidth;
        return false;
    });
    EXPECT_EQ(shown, 200);
}

TEST_F(ParameterFlows, LoadListsTheProfilesButTheCurrentOne) {
    ParameterSession session(settings);
    view.loadName = "Beta";
    session.Load(view);
    EXPECT_EQ(view.listed, (std::vector<std::string>{"Beta", "alpha"}));
    EXPECT_EQ(view.asked, (std::vector<std::string>{"load dialog", "write"}));
    EXPECT_EQ(session.Current().IndexWidth, 222);
}

TEST_F(ParameterFlows, LoadWithNothingChosenChangesNothing) {
    ParameterSession session(settings);
    for (std::optional<std::string> answer : {std::optional<std::string>(), std::optional<std::string>(""),
                                              std::optional<std::string>("vanished")}) {
        view.loadName = answer;
        session.Load(view);
    }
    EXPECT_EQ(session.Current().IndexWidth, 200);
    EXPECT_EQ(session.CurrentProfileName(), "");
    EXPECT_EQ(std::count(view.asked.begin(), view.asked.end(), "write"), 0);
}

TEST_F(ParameterFlows, SaveCases) {
    struct Case {
        const char* name;
        const char* currentName;  // loaded before saving ("" for none)
        std::optional<std::string> typed;
        bool overwrite;
        bool readOk;
        std::vector<std::string> asked;
        bool stored;  // the profile of the typed name holds IndexWidth 777
    };
    const Case cases[] = {
        {"new name", "", "gamma", false, true, {"read", "save dialog: ", "write"}, true},
        {"other existing, no", "", "alpha", false, true, {"read", "save dialog: ", "box 222"}, false},
        {"other existing, yes", "", "alpha", true, true, {"read", "save dialog: ", "box 222", "write"}, true},
        {"name last loaded",
         "alpha",
         "alpha",
         false,
         true,
         {"load dialog", "write", "read", "save dialog: alpha", "write"},
         true},
        {"current profile asks",
         "",
         "PM_CurrentSetting",
         true,
         true,
         {"read", "save dialog: ", "box 222", "write"},
         true},
        {"blank name", "", "   ", false, true, {"read", "save dialog: "}, false},
        {"cancelled", "", std::nullopt, false, true, {"read", "save dialog: "}, false},
        {"invalid controls", "", "gamma", false, false, {"read"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir caseDir;
        CSettings caseSettings;
        caseSettings.SetPath(caseDir.file("settings.ini"));
        caseSettings.Load();
        caseSettings.Store(std::make_unique<CSetting>("alpha"));
        ParameterSession session(caseSettings);
        FakeParametersView caseView;
        if (*c.currentName != '\0') {
            caseView.loadName = c.currentName;
            session.Load(caseView);
        }
        session.Current().IndexWidth = 777;
        caseView.saveName = c.typed;
        caseView.overwrite = c.overwrite;
        caseView.readOk = c.readOk;
        session.Save(caseView);
        EXPECT_EQ(caseView.asked, c.asked);
        const CSetting* saved = c.typed ? caseSettings.Find(*c.typed) : nullptr;
        EXPECT_EQ(saved != nullptr && saved->IndexWidth == 777, c.stored);
        if (c.stored) {
            EXPECT_EQ(session.CurrentProfileName(), *c.typed);
            CSettings reread;
            reread.SetPath(caseSettings.Path());
            reread.Load();
            ASSERT_NE(reread.Find(*c.typed), nullptr);
            EXPECT_EQ(reread.Find(*c.typed)->IndexWidth, 777);
        }
    }
}

TEST_F(ParameterFlows, SaveWithSurroundingBlanksStoresTheTrimmedNameAndKeepsTheTyped) {
    ParameterSession session(settings);
    view.saveName = "  delta ";
    session.Save(view);
    ASSERT_NE(settings.Find("delta"), nullptr);
    EXPECT_EQ(settings.Find("delta")->Name, "delta");
    EXPECT_EQ(session.CurrentProfileName(), "  delta ");
    // The typed name, not the trimmed one, decides whether to ask next time.
    view.asked.clear();
    session.Save(view);
    EXPECT_EQ(std::count(view.asked.begin(), view.asked.end(), "box 222"), 0);
}

}  // namespace
}  // namespace vane::desk
