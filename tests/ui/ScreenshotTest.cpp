#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <cstdlib>

#include "CloadDlg.h"
#include "CparametersDlg.h"
#include "CsaveDlg.h"
#include "CvanedeskDlg.h"
#include "DialogMetrics.h"
#include "MessageCatalog.h"
#include "QtTestSupport.h"
#include "RecordingCore.h"
#include "TempDir.h"

namespace vane::desk {
namespace {

// Writes a picture of every dialog in both languages into the build tree
// (ui-screenshots/) for a look by eye, and checks that each has its size.
TEST(Screenshots, EveryDialogInBothLanguages) {
    const char* binary = std::getenv("VANE_BINARY_DIR");
    const QString folder = QString::fromUtf8(binary != nullptr ? binary : VANE_TEST_BINARY_DIR) + "/ui-screenshots";
    ASSERT_TRUE(QDir().mkpath(folder));

    vane::test::TempDir dir;
    CSettings settings;
    settings.SetPath(dir.file("settings.ini"));
    settings.Load();
    ParameterSession session(settings);
    test::RecordingCore core;
    test::RecordingPrompter prompter;
    test::RecordingOpener opener;

    auto save = [&](QWidget& widget, const QString& name) {
        widget.show();
        QApplication::processEvents();
        const QPixmap picture = widget.grab();
        EXPECT_EQ(picture.size(), widget.size()) << name.toStdString();
        EXPECT_TRUE(picture.save(folder + "/" + name + ".png")) << name.toStdString();
        widget.hide();
    };

    for (catalog::Language language : {catalog::Language::English, catalog::Language::French}) {
        catalog::set_current_language(language);
        const QString suffix = language == catalog::Language::English ? "-en" : "-fr";

        CvanedeskDlg main(session, core.Functions(), prompter, opener);
        main.SetCommandLineDocument("/home/user/Documents/report.doc");
        main.AppendLog(message_text(224).toStdString() + "\r\n\r\nDoc file: /home/user/Documents/report.doc");
        main.AppendLog(catalog::text(124, language));
        save(main, "main" + suffix);
        // The browse button, enlarged, enabled and disabled.
        CBrowseCtrl* chooser = main.FileChooser();
        for (bool enabled : {true, false}) {
            chooser->setEnabled(enabled);
            const QRect button = chooser->ButtonArea();
            const QImage face = chooser->grab(button).toImage();
            EXPECT_TRUE(
                face.scaled(face.size() * 8)
                    .save(folder + "/browse-button" + (enabled ? "" : "-disabled") + suffix + ".png"));
        }
        main.SetRunning(true);
        save(main, "main-running" + suffix);
        main.SetRunning(false);

        CparametersDlg parameters(&main, session, prompter);
        save(parameters, "parameters" + suffix);
        CsaveDlg saveDialog(&main, "My profile");
        save(saveDialog, "save" + suffix);
        CloadDlg load(&main, {"Reports", "manuals"});
        save(load, "load" + suffix);
        for (int id : {219, 220, 221, 222}) {
            QMessageBox box(id == 222 ? QMessageBox::Question : QMessageBox::Warning, "Folivane",
                            message_text(id),
                            id == 222 ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, &main);
            save(box, QString("box-%1").arg(id) + suffix);
        }
    }
    catalog::set_current_language(catalog::Language::English);
}

}  // namespace
}  // namespace vane::desk
