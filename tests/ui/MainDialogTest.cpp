#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "BrowseGlyphPattern.h"
#include "CvanedeskDlg.h"
#include "MessageCatalog.h"
#include "QtTestSupport.h"
#include "RecordingCore.h"
#include "TempDir.h"

namespace vane::desk {
namespace {

class MainDialog : public ::testing::Test {
protected:
    MainDialog() {
        catalog::set_current_language(catalog::Language::English);
        settings.SetPath(dir.file("settings.ini"));
        settings.Load();
    }
    template <typename T>
    T* Control(CvanedeskDlg& dialog, int id) {
        T* control = dialog.findChild<T*>(QString::number(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    vane::test::TempDir dir;
    CSettings settings;
    ParameterSession session{settings};
    test::RecordingCore core;
    test::RecordingPrompter prompter;
    test::RecordingOpener opener;
};

TEST_F(MainDialog, StartWithAnEmptyFieldShowsBox219) {
    CvanedeskDlg dialog(session, core.Functions(), prompter, opener);
    dialog.show();
    dialog.AppendLog("old text");
    QTest::mouseClick(Control<QPushButton>(dialog, CvanedeskDlg::kIdStart), Qt::LeftButton);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0], "Please choose a Winword file");
    EXPECT_TRUE(dialog.LogPane()->toPlainText().isEmpty());
    EXPECT_TRUE(core.calls.empty());
}

TEST_F(MainDialog, FullPdfRunWithRecordedExports) {
    CvanedeskDlg dialog(session, core.Functions(), prompter, opener);
    dialog.SetCommandLineDocument("/docs/report.doc");
    dialog.show();
    session.Current().OpenBookmarks = false;
    QTest::mouseClick(Control<QRadioButton>(dialog, CvanedeskDlg::kIdPdf), Qt::LeftButton);
    ASSERT_EQ(dialog.Mode(), 1);

    std::vector<bool> enabledDuringRun;
    core.duringConversion = [&] {
        for (int id : {1003, 1019, 1004, 1005, 1006, 1002, 1007})
            enabledDuringRun.push_back(Control<QWidget>(dialog, id)->isEnabled());
    };
    QTest::mouseClick(Control<QPushButton>(dialog, CvanedeskDlg::kIdStart), Qt::LeftButton);

    EXPECT_EQ(core.calls, (std::vector<std::string>{"check_winword", "check_ghostscript", "d2p"}));
    EXPECT_EQ(core.arguments,
              (std::vector<std::string>{"d2p", "-v", "-p", "Folivane", "-d", "5", "/docs/report.doc"}));
    EXPECT_EQ(enabledDuringRun, std::vector<bool>(7, false));
    for (int id : {1003, 1019, 1004, 1005, 1006, 1002, 1007})
        EXPECT_TRUE(Control<QWidget>(dialog, id)->isEnabled()) << id;
    EXPECT_EQ(dialog.LogPane()->toPlainText(),
              "Check Winword...\nCheck Ghostscript...\n\nProcess terminated successfully");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(MainDialog, TypedPathIsConvertedAsHtml) {
    CvanedeskDlg dialog(session, core.Functions(), prompter, opener);
    dialog.show();
    QTest::keyClicks(dialog.FileChooser()->TextField(), "/tmp/typed.docx");
    QTest::mouseClick(Control<QPushButton>(dialog, CvanedeskDlg::kIdStart), Qt::LeftButton);
    ASSERT_EQ(core.calls.back(), "d2h");
    EXPECT_EQ(core.arguments.back(), "/tmp/typed.docx");
}

TEST_F(MainDialog, MissingWordShowsBox220AndConvertsNothing) {
    core.wordVersion = 0;
    CvanedeskDlg dialog(session, core.Functions(), prompter, opener);
    dialog.SetCommandLineDocument("/docs/report.doc");
    dialog.show();
    QTest::mouseClick(Control<QPushButton>(dialog, CvanedeskDlg::kIdStart), Qt::LeftButton);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(
        prompter.shown[0],
        "MS WinWord not found or version is not compatible. \nYou must install it (Word 2007 minimum).");
    EXPECT_EQ(core.calls, std::vector<std::string>{"check_winword"});
}

TEST_F(MainDialog, LogPaneColours) {
    CvanedeskDlg dialog(session, core.Functions(), prompter, opener);
    const QPalette colours = dialog.LogPane()->palette();
    EXPECT_EQ(colours.color(QPalette::Text), QColor(0, 255, 0));
    EXPECT_EQ(colours.color(QPalette::Base), QColor(49, 49, 49));
    EXPECT_TRUE(dialog.LogPane()->isReadOnly());
}

TEST_F(MainDialog, DisplayResultOpensTheTargetOfTheMode) {
    CvanedeskDlg dialog(session, core.Functions(), prompter, opener);
    dialog.SetCommandLineDocument("/docs/report.final.doc");
    dialog.show();
    auto* display = Control<QPushButton>(dialog, CvanedeskDlg::kIdDisplayResult);
    QTest::mouseClick(display, Qt::LeftButton);
    QTest::mouseClick(Control<QRadioButton>(dialog, CvanedeskDlg::kIdPdf), Qt::LeftButton);
    QTest::mouseClick(display, Qt::LeftButton);
    EXPECT_EQ(opener.opened,
              (std::vector<std::string>{"/docs/report.final/index.html", "/docs/report.final.pdf"}));
}

TEST_F(MainDialog, AboutItemOfTheContextMenu) {
    CvanedeskDlg dialog(session, core.Functions(), prompter, opener);
    dialog.show();
    dialog.AppendLog("old text");
    const QList<QAction*> actions = dialog.WindowMenu()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_TRUE(actions[0]->isSeparator());
    EXPECT_EQ(actions[1]->text(), "&About Folivane...");
    actions[1]->trigger();
    EXPECT_EQ(core.calls, std::vector<std::string>{"display_info"});
    EXPECT_EQ(dialog.LogPane()->toPlainText(), "\nFolivane banner");
}

TEST_F(MainDialog, ShowsTheProgramIconAtBothSizes) {
    CvanedeskDlg dialog(session, core.Functions(), prompter, opener);
    const QIcon icon = dialog.windowIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    // The small icon is the opened-folder glyph pixel for pixel, clear where
    // the glyph is.
    const QImage small = icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(small.size(), QSize(16, 16));
    int drawn = 0;
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x) {
            GlyphColour expected;
            const QColor pixel = small.pixelColor(x, y);
            if (!browse_glyph_pixel(1, x, y, true, expected)) {
                EXPECT_EQ(pixel.alpha(), 0) << x << "," << y;
                continue;
            }
            ++drawn;
            EXPECT_EQ(pixel, QColor(expected.red, expected.green, expected.blue)) << x << "," << y;
        }
    }
    EXPECT_GT(drawn, 50);
}

TEST_F(MainDialog, CaptionsAndGeometryFollowTheTemplate) {
    struct Case {
        catalog::Language language;
        const char* start;
        const char* output;
        const char* about;
    };
    const Case cases[] = {
        {catalog::Language::English, "Start", "Output", "&About Folivane..."},
        {catalog::Language::French, "Démarrer", "Mode", "&À propos de Folivane..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        catalog::set_current_language(c.language);
        CvanedeskDlg dialog(session, core.Functions(), prompter, opener);
        EXPECT_EQ(dialog.windowTitle(), "Folivane");
        EXPECT_EQ(Control<QPushButton>(dialog, CvanedeskDlg::kIdStart)->text(), QString::fromUtf8(c.start));
        EXPECT_EQ(Control<QGroupBox>(dialog, CvanedeskDlg::kIdOutput)->title(), QString::fromUtf8(c.output));
        EXPECT_EQ(dialog.WindowMenu()->actions().back()->text(), QString::fromUtf8(c.about));
        // Start is 72 by 60 units at 124, 32; the log 306 wide: same proportions as the template.
        const QRect start = Control<QWidget>(dialog, CvanedeskDlg::kIdStart)->geometry();
        const QRect log = Control<QWidget>(dialog, CvanedeskDlg::kIdLog)->geometry();
        EXPECT_NEAR(static_cast<double>(start.x()) / log.width(), 124.0 / 306.0, 0.01);
        EXPECT_NEAR(static_cast<double>(dialog.width()) / log.width(), 320.0 / 306.0, 0.01);
        EXPECT_GT(start.height(), start.width() / 2);
    }
    catalog::set_current_language(catalog::Language::English);
}

}  // namespace
}  // namespace vane::desk
