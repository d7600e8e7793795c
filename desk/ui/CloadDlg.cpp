#include "CloadDlg.h"

#include <QPushButton>
#include <QString>
#include <algorithm>

#include "DialogMetrics.h"
#include "DialogTexts.h"

namespace vane::desk {

CloadDlg::CloadDlg(QWidget* parent, const std::vector<std::string>& names) : QDialog(parent) {
    const catalog::DialogTexts& texts = catalog::dialog_texts(catalog::current_language());
    const DialogUnits units = dialog_units_for(font());
    setWindowTitle(QString::fromUtf8(texts.loadTitle));
    size_dialog(this, units, 246, 62);

    list_ = new QComboBox(this);
    place(list_, units, kIdList, 7, 7, 232, 93);
    list_->setFixedHeight(list_->sizeHint().height());
    // A sorted list orders its entries without regard to letter case.
    QStringList entries;
    for (const std::string& name : names) entries.push_back(QString::fromStdString(name));
    std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    list_->addItems(entries);
    if (list_->count() > 0) list_->setCurrentIndex(0);

    auto* ok = new QPushButton(QString::fromUtf8(texts.ok), this);
    place(ok, units, 1, 125, 41, 50, 14);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8(texts.cancel), this);
    place(cancel, units, 2, 189, 41, 50, 14);
    connect(ok, &QPushButton::clicked, this, &CloadDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CloadDlg::reject);
}

void CloadDlg::accept() {
    chosen_ = list_->currentIndex() >= 0 ? list_->currentText().toStdString() : std::string();
    QDialog::accept();
}

}  // namespace vane::desk
