#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "discovery/WordCheck.h"
#include "vanecore/vanecore.h"
#include "word/WordBackend.h"
#include "word/WordError.h"

namespace vane {
namespace {

// A word processor that records its calls and fails where told.
struct Script {
    bool failCreate = false;
    std::string version = "12.0";
    std::string failOn;  // "visible", "version" or "quit"
    std::vector<std::string> calls;
};

class ScriptedApplication final : public word::Application {
public:
    explicit ScriptedApplication(Script& s) : s_(s) {}
    std::unique_ptr<word::Documents> documents() override { return nullptr; }
    std::unique_ptr<word::Selection> selection() override { return nullptr; }
    void setVisible(bool visible) override { step(visible ? "visible" : "invisible", "visible"); }
    std::string activePrinter() override { return {}; }
    void setActivePrinter(const std::string&) override {}
    std::string version() override {
        step("version", "version");
        return s_.version;
    }
    void quit() override { step("quit", "quit"); }

private:
    void step(const std::string& call, const std::string& failure) {
        s_.calls.push_back(call);
        if (s_.failOn == failure) throw word::WordError("refused");
    }
    Script& s_;
};

class ScriptedBackend final : public word::WordBackend {
public:
    explicit ScriptedBackend(Script& s) : s_(s) { word::set_word_backend(this); }
    ~ScriptedBackend() override { word::set_word_backend(nullptr); }
    std::unique_ptr<word::Application> createApplication() override {
        if (s_.failCreate) throw word::WordError("cannot start");
        return std::make_unique<ScriptedApplication>(s_);
    }

private:
    Script& s_;
};

TEST(WordCheckTest, MajorVersionIsTheLeadingInteger) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"12.0", 12}, {"7.4.7.2", 7}, {"16", 16}, {"", 0}, {"v12", 0}, {"99999999999999", 999999}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(major_version(c.text), c.value);
    }
}

TEST(WordCheckTest, AnsweringWordGivesItsMajorVersionAndIsQuit) {
    Script script;
    ScriptedBackend backend(script);
    EXPECT_EQ(check_winword(), 12);
    EXPECT_EQ(script.calls, (std::vector<std::string>{"invisible", "version", "quit"}));
}

TEST(WordCheckTest, AWordThatFailsGivesZeroAndIsStillQuit) {
    const struct {
        const char* failOn;
        std::vector<std::string> calls;
    } cases[] = {
        {"visible", {"invisible", "quit"}},
        {"version", {"invisible", "version", "quit"}},
        {"quit", {"invisible", "version", "quit"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failOn);
        Script script;
        script.failOn = c.failOn;
        ScriptedBackend backend(script);
        EXPECT_EQ(check_winword(), 0);
        EXPECT_EQ(script.calls, c.calls);
    }
}

TEST(WordCheckTest, AWordThatCannotStartGivesZero) {
    Script script;
    script.failCreate = true;
    ScriptedBackend backend(script);
    EXPECT_EQ(check_winword(), 0);
    EXPECT_TRUE(script.calls.empty());
}

}  // namespace
}  // namespace vane
