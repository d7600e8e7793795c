#include "CsaveDlg.h"

#include <QLabel>
#include <QPushButton>

#include "DialogMetrics.h"
#include "DialogTexts.h"

namespace vane::desk {

CsaveDlg::CsaveDlg(QWidget* parent, const std::string& name) : QDialog(parent), name_(name) {
    const catalog::DialogTexts& texts = catalog::dialog_texts(catalog::current_language());
    const DialogUnits units = dialog_units_for(font());
    setWindowTitle(QString::fromUtf8(texts.saveTitle));
    size_dialog(this, units, 280, 65);

    auto* label = new QLabel(QString::fromUtf8(texts.saveName), this);
    place(label, units, 0, 7, 16, texts.saveNameWidth, 11);
    edit_ = new QLineEdit(QString::fromStdString(name), this);
    place(edit_, units, kIdName, texts.saveEditX, 14, texts.saveEditWidth, 13);
    keep_clear_of(label, edit_);
    auto* ok = new QPushButton(QString::fromUtf8(texts.ok), this);
    place(ok, units, 1, 164, 44, 50, 14);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8(texts.cancel), this);
    place(cancel, units, 2, 223, 44, 50, 14);
    connect(ok, &QPushButton::clicked, this, &CsaveDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CsaveDlg::reject);
    edit_->setFocus();
    edit_->selectAll();
}

void CsaveDlg::accept() {
    name_ = edit_->text().toStdString();
    QDialog::accept();
}

}  // namespace vane::desk
