#include "CparametersDlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "CloadDlg.h"
#include "CsaveDlg.h"
#include "DialogMetrics.h"
#include "DialogTexts.h"

namespace vane::desk {

namespace {

QLabel* add_label(QWidget* parent, const DialogUnits& units, const char* text, int x, int y, int w, int h) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    place(label, units, 0, x, y, w, h);
    return label;
}

QComboBox* add_list(QWidget* parent, const DialogUnits& units, int id, int first, int last, int x, int y) {
    auto* list = new QComboBox(parent);
    for (int item = first; item <= last; ++item) list->addItem(QString::number(item));
    place(list, units, id, x, y, 24, 74);
    // The template's height includes the dropped list; the closed box is one line.
    list->setFixedHeight(std::min(list->sizeHint().height(), units.Y(14)));
    return list;
}

QLineEdit* add_number(QWidget* parent, const DialogUnits& units, int id, int x, int y) {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    place(edit, units, id, x, y, 23, 14);
    return edit;
}

QCheckBox* add_check(QWidget* parent, const DialogUnits& units, int id, int x, int y) {
    auto* check = new QCheckBox(parent);
    place(check, units, id, x, y, 16, 10);
    return check;
}

}  // namespace

CparametersDlg::CparametersDlg(QWidget* parent, ParameterSession& session, Prompter& prompter)
    : QDialog(parent), session_(session), prompter_(prompter) {
    const catalog::DialogTexts& texts = catalog::dialog_texts(catalog::current_language());
    const DialogUnits units = dialog_units_for(font());
    setWindowTitle(QString::fromUtf8(texts.parametersTitle));
    size_dialog(this, units, 334, 188);

    auto* htmlGroup = new QGroupBox(QString::fromUtf8(texts.htmlParameters), this);
    place(htmlGroup, units, 0, 7, 7, 320, 73);
    QLabel* label = add_label(this, units, texts.headingLevel, 19, 25, 46, 8);
    headingLevel_ = add_list(this, units, kIdHeadingLevel, 1, 6, 80, 22);
    keep_clear_of(label, headingLevel_);
    label = add_label(this, units, texts.createHomePage, 186, 25, 63, 8);
    useHome_ = add_check(this, units, kIdUseHome, texts.useHomeX, 24);
    keep_clear_of(label, useHome_);
    label = add_label(this, units, texts.headingsToSkip, 19, 44, 56, 8);
    skipHeadings_ = add_number(this, units, kIdSkipHeadings, 80, 41);
    keep_clear_of(label, skipHeadings_);
    label = add_label(this, units, texts.indexFrameWidth, 186, 44, 62, 8);
    indexWidth_ = add_number(this, units, kIdIndexWidth, 253, 41);
    keep_clear_of(label, indexWidth_);
    label = add_label(this, units, texts.allHeadingsHtml, 19, 63, 110, 8);
    allHeadingsHtml_ = add_check(this, units, kIdAllHeadingsHtml, texts.allHeadingsHtmlX, 62);
    keep_clear_of(label, allHeadingsHtml_);

    auto* pdfGroup = new QGroupBox(QString::fromUtf8(texts.pdfParameters), this);
    place(pdfGroup, units, 0, 7, 84, 320, 72);
    label = add_label(this, units, texts.pdfHeadingLevel, 19, 102, 46, 8);
    headingLevelPdf_ = add_list(this, units, kIdHeadingLevelPdf, 0, 6, 79, 99);
    keep_clear_of(label, headingLevelPdf_);
    label = add_label(this, units, texts.keepInternalLinks, 19, 122, 61, 8);
    internalLinks_ = add_check(this, units, kIdInternalLinks, texts.internalLinksX, 121);
    keep_clear_of(label, internalLinks_);
    label = add_label(this, units, texts.openWithBookmarks, 143, 122, 101, 8);
    openBookmarks_ = add_check(this, units, kIdOpenBookmarks, texts.openBookmarksX, 121);
    keep_clear_of(label, openBookmarks_);
    label = add_label(this, units, texts.allHeadingsPdf, 19, 141, 72, 8);
    allHeadingsPdf_ = add_check(this, units, kIdAllHeadingsPdf, texts.allHeadingsPdfX, 140);
    keep_clear_of(label, allHeadingsPdf_);
    label = add_label(this, units, texts.crossReferences, 143, 141, 99, 8);
    crossReferences_ = add_check(this, units, kIdCrossReferences, texts.crossReferencesX, 140);
    keep_clear_of(label, crossReferences_);

    auto* save = new QPushButton(QString::fromUtf8(texts.save), this);
    place(save, units, kIdSave, 6, 167, 50, 14);
    auto* load = new QPushButton(QString::fromUtf8(texts.load), this);
    place(load, units, kIdLoad, 67, 167, 50, 14);
    auto* ok = new QPushButton(QString::fromUtf8(texts.ok), this);
    place(ok, units, 1, 216, 167, 50, 14);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8(texts.cancel), this);
    place(cancel, units, 2, 277, 167, 50, 14);

    connect(save, &QPushButton::clicked, this, [this] { session_.Save(*this); });
    connect(load, &QPushButton::clicked, this, [this] { session_.Load(*this); });
    connect(ok, &QPushButton::clicked, this, &CparametersDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CparametersDlg::reject);
    WriteControls();
    headingLevel_->setFocus();
}

QWidget* CparametersDlg::Control(int id) const {
    return findChild<QWidget*>(QString::number(id));
}

void CparametersDlg::accept() {
    if (ReadControls()) QDialog::accept();
}

bool CparametersDlg::ReadControls() {
    ParameterControls controls;
    controls.headingLevelIndex = std::max(headingLevel_->currentIndex(), 0);
    controls.headingLevelPdfIndex = std::max(headingLevelPdf_->currentIndex(), 0);
    controls.indexWidthText = indexWidth_->text().toStdString();
    controls.internalLinks = internalLinks_->isChecked();
    controls.openBookmarks = openBookmarks_->isChecked();
    controls.skipHeadingsText = skipHeadings_->text().toStdString();
    controls.useHome = useHome_->isChecked();
    controls.allHeadingsHtml = allHeadingsHtml_->isChecked();
    controls.allHeadingsPdf = allHeadingsPdf_->isChecked();
    controls.crossReferences = crossReferences_->isChecked();
    const ExchangeResult result = read_parameter_controls(controls, session_.Current());
    if (result.ok()) return true;

    const catalog::DialogTexts& texts = catalog::dialog_texts(catalog::current_language());
    const QString message =
        result.error == ExchangeError::NotAnInteger
            ? QString::fromUtf8(texts.enterInteger)
            : QString::fromUtf8(texts.enterIntegerBetween).arg(result.minimum).arg(result.maximum);
    prompter_.Inform(this, message);
    if (QWidget* control = Control(result.control)) {
        control->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
    }
    return false;
}

void CparametersDlg::WriteControls() {
    const ParameterControls controls = parameter_controls_for(session_.Current());
    headingLevel_->setCurrentIndex(controls.headingLevelIndex);
    headingLevelPdf_->setCurrentIndex(controls.headingLevelPdfIndex);
    indexWidth_->setText(QString::fromStdString(controls.indexWidthText));
    internalLinks_->setChecked(controls.internalLinks);
    openBookmarks_->setChecked(controls.openBookmarks);
    skipHeadings_->setText(QString::fromStdString(controls.skipHeadingsText));
    useHome_->setChecked(controls.useHome);
    allHeadingsHtml_->setChecked(controls.allHeadingsHtml);
    allHeadingsPdf_->setChecked(controls.allHeadingsPdf);
    crossReferences_->setChecked(controls.crossReferences);
}

std::optional<std::string> CparametersDlg::AskSaveName(const std::string& name) {
    CsaveDlg dialog(this, name);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Name();
}

bool CparametersDlg::ConfirmOverwrite() {
    return prompter_.AskYesNo(this, message_text(msg::kProfileExists));
}

std::optional<std::string> CparametersDlg::AskLoadName(const std::vector<std::string>& names) {
    CloadDlg dialog(this, names);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

}  // namespace vane::desk
