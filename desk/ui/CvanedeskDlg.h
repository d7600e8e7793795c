// The main dialog: document chooser, Html/Pdf choice, Start, Settings,
// Display result and the log pane that the library writes into.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "CBrowseCtrl.h"
#include "CoreFunctions.h"
#include "MainDialogLogic.h"
#include "MainDialogView.h"
#include "ParameterSession.h"
#include "Prompter.h"
#include "ResultOpener.h"

namespace vane::desk {

class CvanedeskDlg : public QDialog, public MainDialogView {
    Q_OBJECT

public:
    static constexpr int kIdLog = 1000;
    static constexpr int kIdBrowse = 1002;
    static constexpr int kIdStart = 1003;
    static constexpr int kIdHtml = 1004;
    static constexpr int kIdPdf = 1005;
    static constexpr int kIdSettings = 1006;
    static constexpr int kIdDisplayResult = 1007;
    static constexpr int kIdOutput = 1019;

    static constexpr const char* kFileFilter =
        "Word Files (*.doc; *.docx)|*.doc; *.docx|All Files (*.*)|*.*||";

    // The log pane becomes the process's log pane until the dialog is destroyed.
    CvanedeskDlg(ParameterSession& session, CoreFunctions core, Prompter& prompter, ResultOpener& opener,
                 QWidget* parent = nullptr);
    ~CvanedeskDlg() override;

    // The document of the command line: the file chooser shows it.
    void SetCommandLineDocument(const std::string& path);

    // Appends text at the end of the log pane and scrolls it into view.
    void AppendLog(const std::string& text);

    CBrowseCtrl* FileChooser() const { return browse_; }
    QPlainTextEdit* LogPane() const { return log_; }
    QMenu* WindowMenu() const { return windowMenu_; }
    const MainDialogLogic& Logic() const { return logic_; }

    // MainDialogView
    int Mode() const override;
    void ClearLog() override;
    std::string DocumentPath() const override;
    void ShowMessage(int id) override;
    void SetRunning(bool running) override;
    void OpenResult(const std::string& target) override;

public slots:
    void OnStart();
    void OnSettings();
    void OnDisplayResult();
    void OnAbout();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    ParameterSession& session_;
    Prompter& prompter_;
    ResultOpener& opener_;
    MainDialogLogic logic_;
    bool running_ = false;

    CBrowseCtrl* browse_ = nullptr;
    QGroupBox* output_ = nullptr;
    QRadioButton* html_ = nullptr;
    QRadioButton* pdf_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* settings_ = nullptr;
    QPushButton* displayResult_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QMenu* windowMenu_ = nullptr;
};

}  // namespace vane::desk
