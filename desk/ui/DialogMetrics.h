// Dialog-unit geometry for Qt widgets: the base units come from the widget's
// font, as a dialog template's positions are measured.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include "DialogUnits.h"

class QWidget;

namespace vane::desk {

// The base units of font: the average width of "A".."Z" and "a".."z", and the
// character height.
DialogUnits dialog_units_for(const QFont& font);

QRect to_qrect(const PixelRect& rect);
// Places widget at the dialog-unit rectangle and names it after id (when id > 0).
void place(QWidget* widget, const DialogUnits& units, int id, int x, int y, int width, int height);
// Gives dialog a fixed client size in dialog units.
void size_dialog(QWidget* dialog, const DialogUnits& units, int width, int height);

// Widens label to its text where the font needs more room than the template
// gave, and moves next (a control right of it on the same row) clear of it,
// keeping next's right edge.
void keep_clear_of(QWidget* label, QWidget* next);

// A catalogue or template text for a Qt widget: UTF-8, CR LF shown as a line break.
QString ui_text(const char* text);
// The catalogue text of id in the current language.
QString message_text(int id);

}  // namespace vane::desk
