#include "DialogMetrics.h"

#include <QFontMetrics>
#include <QWidget>

#include "MessageCatalog.h"

namespace vane::desk {

DialogUnits dialog_units_for(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits(DialogUnits::AverageCharWidth(letters), metrics.height());
}

QRect to_qrect(const PixelRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

void place(QWidget* widget, const DialogUnits& units, int id, int x, int y, int width, int height) {
    widget->setGeometry(to_qrect(units.Rect(x, y, width, height)));
    if (id > 0) widget->setObjectName(QString::number(id));
}

void size_dialog(QWidget* dialog, const DialogUnits& units, int width, int height) {
    dialog->setFixedSize(units.X(width), units.Y(height));
}

void keep_clear_of(QWidget* label, QWidget* next) {
    const int needed = label->sizeHint().width();
    if (needed > label->width()) label->resize(needed, label->height());
    if (next == nullptr) return;
    const int left = label->geometry().right() + 4;
    if (next->x() >= left) return;
    QRect moved = next->geometry();
    moved.setLeft(left);
    if (moved.width() < next->minimumSizeHint().width()) moved.setWidth(next->minimumSizeHint().width());
    next->setGeometry(moved);
}

QString ui_text(const char* text) {
    QString result = QString::fromUtf8(text != nullptr ? text : "");
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.remove(QLatin1Char('\r'));
    return result;
}

QString message_text(int id) {
    return ui_text(catalog::text(id, catalog::current_language()));
}

}  // namespace vane::desk
