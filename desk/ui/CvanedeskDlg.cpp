#include "CvanedeskDlg.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QScrollBar>
#include <QTextCursor>

#include "CparametersDlg.h"
#include "DialogMetrics.h"
#include "DialogTexts.h"
#include "OutputCallbacks.h"
#include "ProgramIcon.h"

namespace vane::desk {

namespace {

const QColor kLogText(0, 255, 0);
const QColor kLogBackground(49, 49, 49);

}  // namespace

CvanedeskDlg::CvanedeskDlg(ParameterSession& session, CoreFunctions core, Prompter& prompter,
                           ResultOpener& opener, QWidget* parent)
    : QDialog(parent),
      session_(session),
      prompter_(prompter),
      opener_(opener),
      logic_(std::move(core), session.Current()) {
    const catalog::DialogTexts& texts = catalog::dialog_texts(catalog::current_language());
    const DialogUnits units = dialog_units_for(font());
    setWindowTitle(QString::fromUtf8(texts.mainTitle));
    setWindowIcon(program_icon());
    size_dialog(this, units, 320, 200);

    browse_ = new CBrowseCtrl(this, QString::fromUtf8(texts.browse));
    place(browse_, units, kIdBrowse, 7, 7, 306, 14);
    browse_->SetStyle(CBrowseCtrl::kGlyphFace | CBrowseCtrl::kGlyph1 | CBrowseCtrl::kEditable);
    browse_->SetFilter(kFileFilter);

    output_ = new QGroupBox(QString::fromUtf8(texts.output), this);
    place(output_, units, kIdOutput, 17, 28, 73, 64);
    html_ = new QRadioButton(QString::fromUtf8(texts.html), this);
    place(html_, units, kIdHtml, 31, 48, 30, 10);
    pdf_ = new QRadioButton(QString::fromUtf8(texts.pdf), this);
    place(pdf_, units, kIdPdf, 31, 70, 27, 10);
    for (QRadioButton* radio : {html_, pdf_}) radio->resize(radio->sizeHint().width(), radio->height());

    start_ = new QPushButton(QString::fromUtf8(texts.start), this);
    place(start_, units, kIdStart, 124, 32, 72, 60);
    start_->setDefault(true);
    settings_ = new QPushButton(QString::fromUtf8(texts.settings), this);
    place(settings_, units, kIdSettings, 230, 32, 72, 26);
    displayResult_ = new QPushButton(QString::fromUtf8(texts.displayResult), this);
    place(displayResult_, units, kIdDisplayResult, 230, 66, 72, 26);

    log_ = new QPlainTextEdit(this);
    place(log_, units, kIdLog, 7, 101, 306, 92);
    log_->setReadOnly(true);
    log_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    log_->setFocusPolicy(Qt::StrongFocus);
    QPalette colours = log_->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Text, kLogText);
        colours.setColor(group, QPalette::Base, kLogBackground);
    }
    log_->setPalette(colours);
    set_log_pane([this](const std::string& text) { AppendLog(text); });

    // No window menu here: the About item lives in the dialog's context menu.
    windowMenu_ = new QMenu(this);
    const QString about = message_text(msg::kAbout);
    if (!about.isEmpty()) {
        windowMenu_->addSeparator();
        windowMenu_->addAction(about, this, &CvanedeskDlg::OnAbout);
    }

    html_->setChecked(true);
    connect(start_, &QPushButton::clicked, this, &CvanedeskDlg::OnStart);
    connect(settings_, &QPushButton::clicked, this, &CvanedeskDlg::OnSettings);
    connect(displayResult_, &QPushButton::clicked, this, &CvanedeskDlg::OnDisplayResult);
    browse_->setFocus();
}

CvanedeskDlg::~CvanedeskDlg() {
    set_log_pane({});
}

void CvanedeskDlg::SetCommandLineDocument(const std::string& path) {
    browse_->SetPath(path);
}

void CvanedeskDlg::AppendLog(const std::string& text) {
    QTextCursor caret = log_->textCursor();
    caret.movePosition(QTextCursor::End);
    log_->setTextCursor(caret);
    log_->insertPlainText(ui_text(text.c_str()));
    log_->ensureCursorVisible();
    // The run blocks the event loop: paint now so the progress shows.
    if (log_->isVisible()) log_->viewport()->repaint();
}

int CvanedeskDlg::Mode() const {
    return pdf_->isChecked() ? 1 : 0;
}

void CvanedeskDlg::ClearLog() {
    log_->clear();
}

std::string CvanedeskDlg::DocumentPath() const {
    return browse_->GetPath();
}

void CvanedeskDlg::ShowMessage(int id) {
    prompter_.Inform(this, message_text(id));
}

void CvanedeskDlg::SetRunning(bool running) {
    running_ = running;
    for (QWidget* control :
         std::initializer_list<QWidget*>{start_, output_, html_, pdf_, settings_, browse_, displayResult_})
        control->setEnabled(!running);
}

void CvanedeskDlg::OpenResult(const std::string& target) {
    opener_.Open(target);
}

void CvanedeskDlg::OnStart() {
    if (!running_) logic_.Start(*this);
}

void CvanedeskDlg::OnSettings() {
    session_.SettingsFlow([this] {
        CparametersDlg dialog(this, session_, prompter_);
        return dialog.exec() == QDialog::Accepted;
    });
}

void CvanedeskDlg::OnDisplayResult() {
    logic_.DisplayResult(*this);
}

void CvanedeskDlg::OnAbout() {
    if (!running_) logic_.About(*this);
}

void CvanedeskDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (!windowMenu_->actions().isEmpty()) windowMenu_->exec(event->globalPos());
}

void CvanedeskDlg::closeEvent(QCloseEvent* event) {
    // A conversion in progress finishes before the window may close.
    if (running_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void CvanedeskDlg::reject() {
    if (!running_) QDialog::reject();
}

}  // namespace vane::desk
