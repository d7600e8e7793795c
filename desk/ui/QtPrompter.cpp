#include <QMessageBox>

#include "DialogTexts.h"
#include "Prompter.h"

namespace vane::desk {

namespace {

QString box_title() {
    return QString::fromUtf8(catalog::dialog_texts(catalog::current_language()).mainTitle);
}

}  // namespace

void QtPrompter::Inform(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, box_title(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtPrompter::AskYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, box_title(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace vane::desk
