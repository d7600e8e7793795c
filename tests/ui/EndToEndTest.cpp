// The main dialog driving the real library: a corpus document published to
// HTML and to PDF, with the library's messages in the log pane.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <cstdlib>
#include <filesystem>

#include "Actions.h"
#include "CoreFunctions.h"
#include "CvanedeskDlg.h"
#include "MessageCatalog.h"
#include "OutputCallbacks.h"
#include "QtTestSupport.h"
#include "TempDir.h"
#include "vanecore/vanecore.h"

namespace vane::desk {
namespace {

class EndToEnd : public ::testing::Test {
protected:
    EndToEnd() {
        // A lock of our own: other suites may publish in parallel.
        ::setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
        catalog::set_current_language(catalog::Language::English);
        const char* shared = std::getenv("VANE_SHARED_DIR");
        source =
            std::string(shared != nullptr ? shared : VANE_TEST_SHARED_DIR) + "/corpus/public/d2p__zen_of_python.docx";
        document = dir.file("zen.docx");
        std::filesystem::copy_file(source, document);
        settings.SetPath(dir.file("settings.ini"));
        settings.Load();
    }
    QString Run(int radio) {
        CvanedeskDlg dialog(session, linked_core_functions(), prompter, opener);
        ::InitLib(log_output, catalog::copy_message, nullptr);
        dialog.SetCommandLineDocument(document);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QRadioButton*>(QString::number(radio)), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("1003"), Qt::LeftButton);
        return dialog.LogPane()->toPlainText();
    }

    vane::test::TempDir dir;
    std::string source;
    std::string document;
    CSettings settings;
    ParameterSession session{settings};
    test::RecordingPrompter prompter;
    test::RecordingOpener opener;
};

TEST_F(EndToEnd, PublishesHtml) {
    const QString log = Run(CvanedeskDlg::kIdHtml);
    SCOPED_TRACE(log.toStdString());
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(log.startsWith("Check Winword..."));
    EXPECT_TRUE(log.contains("Process terminated successfully"));
    EXPECT_TRUE(std::filesystem::exists(dir.file("zen/index.html")));
}

TEST_F(EndToEnd, PublishesPdf) {
    // The PDF route prints through the "Folivane" printer: install it as the install action does.
    ::InitLib(log_output, catalog::copy_message, nullptr);
    std::vector<std::string> install = install_arguments();
    std::vector<char*> argv;
    for (std::string& entry : install) argv.push_back(entry.data());
    argv.push_back(nullptr);
    ASSERT_EQ(::install_printer(static_cast<int>(install.size()), argv.data()), 0);

    const QString log = Run(CvanedeskDlg::kIdPdf);
    SCOPED_TRACE(log.toStdString());
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(log.contains("Check Ghostscript..."));
    EXPECT_TRUE(log.contains("Process terminated successfully"));
    EXPECT_TRUE(std::filesystem::exists(dir.file("zen.pdf")));
}

}  // namespace
}  // namespace vane::desk
