#include <gtest/gtest.h>

#include <algorithm>

#include "MainDialogLogic.h"
#include "MessageCatalog.h"
#include "OutputCallbacks.h"
#include "RecordingCore.h"

namespace vane::desk {
namespace {

// Records what the logic does to the window; the log pane is the process's
// log pane, as in the program.
class FakeView : public MainDialogView {
public:
    FakeView() {
        set_log_pane([this](const std::string& text) {
            log += text;
            events.push_back(running ? "log while running" : "log");
        });
    }
    ~FakeView() override { set_log_pane({}); }

    int Mode() const override { return mode; }
    void ClearLog() override {
        log.clear();
        events.push_back("clear");
    }
    std::string DocumentPath() const override { return path; }
    void ShowMessage(int id) override {
        boxes.push_back(id);
        events.push_back("box " + std::to_string(id));
    }
    void SetRunning(bool state) override {
        running = state;
        events.push_back(state ? "disable" : "enable");
    }
    void OpenResult(const std::string& target) override { opened.push_back(target); }

    int mode = 0;
    std::string path = "/docs/report.doc";
    std::string log;
    bool running = false;
    std::vector<int> boxes;
    std::vector<std::string> events;
    std::vector<std::string> opened;
};

class StartFlow : public ::testing::Test {
protected:
    StartFlow() { catalog::set_current_language(catalog::Language::English); }
    test::RecordingCore core;
    CSetting parameters;
    FakeView view;
};

TEST_F(StartFlow, EmptyFieldShowsBox219AndLeavesTheLogEmpty) {
    view.log = "old text";
    view.path.clear();
    MainDialogLogic logic(core.Functions(), parameters);
    logic.Start(view);
    EXPECT_EQ(view.boxes, std::vector<int>{msg::kChooseFile});
    EXPECT_EQ(view.log, "");
    EXPECT_TRUE(core.calls.empty());
    EXPECT_EQ(view.events, (std::vector<std::string>{"clear", "box 219"}));
}

TEST_F(StartFlow, HtmlChecksWordOnceAndConverts) {
    MainDialogLogic logic(core.Functions(), parameters);
    logic.Start(view);
    EXPECT_EQ(core.calls, (std::vector<std::string>{"check_winword", "d2h"}));
    EXPECT_EQ(view.log, "Check Winword...\r\n\r\nProcess terminated successfully");
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_EQ(view.events.front(), "clear");
    EXPECT_EQ(view.events[1], "disable");
    EXPECT_EQ(view.events.back(), "enable");
    EXPECT_FALSE(view.running);

    core.calls.clear();
    logic.Start(view);
    EXPECT_EQ(core.calls, std::vector<std::string>{"d2h"});
    EXPECT_EQ(view.log, "\r\n\r\nProcess terminated successfully");
    EXPECT_EQ(logic.WordVersion(), 7);
}

TEST_F(StartFlow, WordVersionsAgainstTheMinimum) {
    struct Case {
        int version;
        bool box220;
        bool converts;
    };
    const Case cases[] = {
        {0, true, false},
        {kMinimumWordVersion - 1, true, true},
        {kMinimumWordVersion, false, true},
        {kMinimumWordVersion + 10, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        test::RecordingCore local;
        local.wordVersion = c.version;
        FakeView localView;
        MainDialogLogic logic(local.Functions(), parameters);
        logic.Start(localView);
        EXPECT_EQ(!localView.boxes.empty() && localView.boxes[0] == msg::kWordMissing, c.box220);
        EXPECT_EQ(local.calls.back() == "d2h", c.converts);
        EXPECT_FALSE(localView.running);
    }
}

TEST_F(StartFlow, MissingWordIsCheckedAgainUntilFound) {
    core.wordVersion = 0;
    MainDialogLogic logic(core.Functions(), parameters);
    logic.Start(view);
    logic.Start(view);
    EXPECT_EQ(core.calls, (std::vector<std::string>{"check_winword", "check_winword"}));
    core.wordVersion = 9;
    logic.Start(view);
    core.wordVersion = 0;  // a later failure would not be noticed: the version is kept
    logic.Start(view);
    EXPECT_EQ(core.calls,
              (std::vector<std::string>{"check_winword", "check_winword", "check_winword", "d2h", "d2h"}));
    EXPECT_EQ(logic.WordVersion(), 9);
}

TEST_F(StartFlow, PdfProducerChecks) {
    struct Case {
        const char* name;
        bool ghostscript;
        bool distiller;
        std::vector<std::string> calls;
        std::string log;
        std::vector<int> boxes;
    };
    const Case cases[] = {
        {"ghostscript",
         true,
         false,
         {"check_winword", "check_ghostscript", "d2p"},
         "Check Winword...\r\nCheck Ghostscript...\r\n\r\nProcess terminated successfully",
         {}},
        {"distiller",
         false,
         true,
         {"check_winword", "check_ghostscript", "check_distiller", "d2p"},
         "Check Winword...\r\nCheck Ghostscript...\r\n\r\nGhostscript not found\r\nCheck if Acrobat "
         "Distiller "
         "installed...\r\nDistiller has been found.\r\n\r\nProcess terminated successfully",
         {}},
        {"neither",
         false,
         false,
         {"check_winword", "check_ghostscript", "check_distiller"},
         "Check Winword...\r\nCheck Ghostscript...\r\n\r\nGhostscript not found\r\nCheck if Acrobat "
         "Distiller "
         "installed...\r\n",
         {msg::kNoProducer}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::RecordingCore local;
        local.ghostscript = c.ghostscript;
        local.distiller = c.distiller;
        FakeView localView;
        localView.mode = 1;
        MainDialogLogic logic(local.Functions(), parameters);
        logic.Start(localView);
        EXPECT_EQ(local.calls, c.calls);
        EXPECT_EQ(localView.log, c.log);
        EXPECT_EQ(localView.boxes, c.boxes);
        EXPECT_EQ(localView.events.back(), "enable");
    }
}

TEST_F(StartFlow, ConversionUsesTheParametersOfTheMomentAndRunsDisabled) {
    MainDialogLogic logic(core.Functions(), parameters);
    parameters.IndexWidth = 640;  // changed after the dialog was made
    core.duringConversion = [this] { EXPECT_TRUE(view.running); };
    logic.Start(view);
    ASSERT_EQ(core.calls.back(), "d2h");
    EXPECT_EQ(core.arguments[4], "640");
    EXPECT_EQ(core.arguments.back(), "/docs/report.doc");
}

TEST_F(StartFlow, AboutClearsTheLogAndPrintsTheBanner) {
    view.log = "previous run";
    MainDialogLogic logic(core.Functions(), parameters);
    logic.About(view);
    EXPECT_EQ(core.calls, std::vector<std::string>{"display_info"});
    EXPECT_EQ(core.arguments, std::vector<std::string>{"display_info"});
    EXPECT_TRUE(core.terminated);
    EXPECT_EQ(view.log, "\r\nFolivane banner");
}

TEST(DisplayResult, Targets) {
    struct Case {
        const char* path;
        OutputKind kind;
        const char* target;
    };
    const Case cases[] = {
        {"/docs/report.final.doc", OutputKind::Html, "/docs/report.final/index.html"},
        {"/docs/report.final.doc", OutputKind::Pdf, "/docs/report.final.pdf"},
        {"/docs/v1.2/report", OutputKind::Pdf, "/docs/v1.2/report.pdf"},
        {"/report.docx", OutputKind::Html, "/report/index.html"},
        {"report.doc", OutputKind::Pdf, "report.pdf"},
        {"report.doc", OutputKind::Html, "report/index.html"},
        {"sub/My Report.DOC", OutputKind::Pdf, "sub/My Report.pdf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        std::string expected = c.target;
#ifdef _WIN32
        std::replace(expected.begin(), expected.end(), '/', '\\');
#endif
        EXPECT_EQ(result_target(c.path, c.kind), expected);
    }
}

TEST(DisplayResult, OpensTheTargetOfTheMode) {
    test::RecordingCore core;
    CSetting parameters;
    FakeView view;
    MainDialogLogic logic(core.Functions(), parameters);
    view.mode = 1;
    logic.DisplayResult(view);
    view.mode = 0;
    logic.DisplayResult(view);
    EXPECT_EQ(view.opened, (std::vector<std::string>{"/docs/report.pdf", "/docs/report/index.html"}));
    view.path.clear();
    logic.DisplayResult(view);
    EXPECT_EQ(view.opened.size(), 2u);
    EXPECT_EQ(view.boxes, std::vector<int>{msg::kChooseFile});
    EXPECT_TRUE(core.calls.empty());
}

}  // namespace
}  // namespace vane::desk
