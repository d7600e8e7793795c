// vanedesk: runs one unattended action chosen on the command line, or opens
// the main dialog.
#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "CSetting.h"
#include "CSettings.h"
#include "CoreFunctions.h"
#include "CvanedeskDlg.h"
#include "DialogMetrics.h"
#include "DialogTexts.h"
#include "LinkedVaneCore.h"
#include "OutputCallbacks.h"
#include "ParameterSession.h"
#include "Prompter.h"
#include "ResultOpener.h"
#include "Startup.h"
#include "platform/posix/ChildEnvironment.h"

int main(int argc, char* argv[]) {
    using namespace vane;
    using namespace vane::desk;

    // The command line is read before Qt takes out its own options.
    const StartupChoice choice = begin_startup(argc, argv);
    // Qt and the office warn on the console without a runtime directory.
    provide_runtime_directory();
    LinkedVaneCore core;

    if (choice.action != Action::Dialog) {
        if (choice.action != Action::Install) return run_unattended(choice, core);
        // The install action reports through message boxes.
        QApplication application(argc, argv);
        set_message_box([](const std::string& text) {
            QMessageBox box(QMessageBox::Information,
                            QString::fromUtf8(catalog::dialog_texts(catalog::current_language()).mainTitle),
                            ui_text(text.c_str()).trimmed(), QMessageBox::Ok);
            box.exec();
        });
        const int exitCode = run_unattended(choice, core);
        set_message_box({});
        return exitCode;
    }

    QApplication application(argc, argv);
    CSettings settings;
    ParameterSession session(settings);
    load_profiles(settings, QCoreApplication::applicationDirPath().toStdString(), session.Current());

    QtPrompter prompter;
    XdgOpener opener;
    CvanedeskDlg dialog(session, linked_core_functions(), prompter, opener);
    dialog.SetCommandLineDocument(choice.commandLine.document);
    core.InitLib(log_output, catalog::copy_message, nullptr);
    dialog.exec();
    return 0;
}
