#include "CBrowseCtrl.h"

#include <qdrawutil.h>

#include <QFileDialog>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

#include "BrowseGlyph.h"
#include "BrowsePath.h"
#include "DialogTexts.h"

namespace vane::desk {

namespace {

constexpr int kButtonPadding = 11;  // button width beyond the face
constexpr int kFaceInset = 2;       // face area inside the button area

}  // namespace

CBrowseCtrl::CBrowseCtrl(QWidget* parent, const QString& caption) : QWidget(parent), caption_(caption) {
    const catalog::DialogTexts& texts = catalog::dialog_texts(catalog::current_language());
    tooltipText_ = QString::fromUtf8(texts.browseTooltip);
    folderPrompt_ = QString::fromUtf8(texts.folderPrompt);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    CreateTextField();
    Layout();
}

CBrowseCtrl::~CBrowseCtrl() = default;

void CBrowseCtrl::CreateTextField() {
    const QString text = edit_ != nullptr ? edit_->text() : QString();
    delete edit_;
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QString::number(kTextFieldId));
    edit_->setTextMargins(1, 0, 1, 0);
    edit_->setReadOnly((style_ & kEditable) == 0);
    edit_->setFont(font());
    edit_->setText(text);
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, [this](const QString& changed) {
        path_.TextChanged(changed.toStdString(), browsing_, (style_ & kEditable) != 0);
    });
    setFocusProxy(edit_);
    edit_->setGeometry(textFieldArea_);
    edit_->show();
}

void CBrowseCtrl::SetStyle(unsigned style) {
    style_ = style & 0xFF;
    Layout();
    CreateTextField();
    update();
}

void CBrowseCtrl::SetPath(const std::string& path) {
    path_.SetPath(path);
    const bool wasBrowsing = browsing_;
    browsing_ = true;  // the program's own change is not typing
    edit_->setText(QString::fromStdString(path));
    browsing_ = wasBrowsing;
}

int CBrowseCtrl::Glyph() const {
    if (style_ & kGlyph1) return 1;
    if (style_ & kGlyph2) return 2;
    if (style_ & kGlyph3) return 3;
    return 1;
}

QSize CBrowseCtrl::sizeHint() const {
    return QSize(200, edit_->sizeHint().height());
}

void CBrowseCtrl::Layout() {
    const QRect client = rect();
    buttonArea_ = client;
    QSize face(kGlyphSize, kGlyphSize);
    if ((style_ & kGlyphFace) == 0) {
        const QFontMetrics metrics(font());
        face = QSize(std::max(metrics.horizontalAdvance(caption_), kGlyphSize), metrics.height());
    }
    const int buttonWidth = face.width() + kButtonPadding;
    if (buttonWidth < client.width()) {
        if (style_ & kButtonLeft)
            buttonArea_.setWidth(buttonWidth);
        else
            buttonArea_.setLeft(client.right() + 1 - buttonWidth);
    }
    const QRect inner = buttonArea_.adjusted(kFaceInset, kFaceInset, -kFaceInset, -kFaceInset);
    QRect centred(QPoint(0, 0), face);
    centred.moveCenter(inner.center());
    faceArea_ = centred.intersected(inner);
    textFieldArea_ = client;
    if (buttonArea_ != client) {
        if (style_ & kButtonLeft)
            textFieldArea_.setLeft(buttonArea_.right() + 1);
        else
            textFieldArea_.setRight(buttonArea_.left() - 1);
    } else {
        textFieldArea_ = QRect();
    }
    if (edit_ != nullptr) edit_->setGeometry(textFieldArea_);
}

void CBrowseCtrl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

void CBrowseCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(buttonArea_, colours.button());
    if (style_ & kFlat) {
        if (pressed_ || hovered_) qDrawShadePanel(&painter, buttonArea_, colours, pressed_, 1);
    } else {
        qDrawWinButton(&painter, buttonArea_, colours, pressed_);
    }
    const QRect face = pressed_ ? faceArea_.translated(1, 1) : faceArea_;
    const bool enabled = isEnabled();
    if (style_ & kGlyphFace) {
        painter.setClipRect(face);
        draw_browse_glyph(painter, Glyph(), face.topLeft(), enabled);
        return;
    }
    painter.setFont(font());
    if (enabled) {
        painter.setPen(colours.color(QPalette::Active, QPalette::ButtonText));
        painter.drawText(face, Qt::AlignCenter, caption_);
    } else {
        painter.setPen(colours.color(QPalette::Light));
        painter.drawText(face.translated(1, 1), Qt::AlignCenter, caption_);
        painter.setPen(colours.color(QPalette::Dark));
        painter.drawText(face, Qt::AlignCenter, caption_);
    }
}

void CBrowseCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !buttonArea_.contains(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    edit_->setCursorPosition(static_cast<int>(edit_->text().size()));
    pressed_ = true;  // the widget keeps the mouse until the release
    update();
}

void CBrowseCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    pressed_ = false;
    update();
    if (buttonArea_.contains(event->position().toPoint())) BrowseAndNotify();
}

void CBrowseCtrl::mouseMoveEvent(QMouseEvent* event) {
    const bool over = buttonArea_.contains(event->position().toPoint());
    const bool held = (event->buttons() & Qt::LeftButton) != 0;
    if (over != hovered_ || (held && over != pressed_)) {
        hovered_ = over;
        if (held) pressed_ = over;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void CBrowseCtrl::leaveEvent(QEvent* event) {
    if (hovered_ || pressed_) {
        hovered_ = false;
        pressed_ = false;
        update();
    }
    QWidget::leaveEvent(event);
}

void CBrowseCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        pressed_ = true;
        update();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        BrowseAndNotify();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CBrowseCtrl::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        pressed_ = false;
        update();
        BrowseAndNotify();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void CBrowseCtrl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        edit_->setEnabled(isEnabled());
        update();
    }
    QWidget::changeEvent(event);
}

bool CBrowseCtrl::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (buttonArea_.contains(help->pos()) && !tooltipText_.isEmpty())
            QToolTip::showText(help->globalPos(), tooltipText_, this, buttonArea_);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

bool CBrowseCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                BrowseAndNotify();
                return true;
            }
            break;
        }
        case QEvent::Enter:
        case QEvent::MouseMove:
            // The mouse is over the text field, so no longer over the button.
            if (hovered_ || pressed_) {
                hovered_ = false;
                pressed_ = false;
                update();
            }
            break;
        case QEvent::FocusIn:
            // After the click that gave the focus has placed the caret.
            QTimer::singleShot(0, edit_, [field = edit_] {
                if (field->hasFocus()) field->selectAll();
            });
            break;
        case QEvent::FocusOut:
            edit_->deselect();
            edit_->setCursorPosition(static_cast<int>(edit_->text().size()));
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void CBrowseCtrl::BrowseAndNotify() {
    Browse();
    QTimer::singleShot(0, this, [this] { emit clicked(); });
}

int CBrowseCtrl::Browse() {
    if (browsing_) return kBrowseCancelled;
    browsing_ = true;
    const bool folderMode = (style_ & kFolderMode) != 0;
    std::optional<QStringList> chosen;
    if (folderMode)
        chosen = folderChooser_ ? folderChooser_(*this) : RunFolderDialog();
    else
        chosen = fileChooser_ ? fileChooser_(*this) : RunFileDialog();
    int result = kBrowseCancelled;
    if (chosen && !chosen->isEmpty()) {
        std::vector<std::string> paths;
        for (const QString& path : folderMode ? chosen->mid(0, 1) : *chosen)
            paths.push_back(path.toStdString());
        path_.Choose(std::move(paths));
        edit_->setText(chosen->front());
        edit_->selectAll();
        result = kBrowseChosen;
    }
    browsing_ = false;
    emit browsed(result);
    return result;
}

std::optional<QStringList> CBrowseCtrl::RunFileDialog() {
    QFileDialog dialog(this, dialogTitle_, QString(), QString::fromStdString(qt_file_filter(filter_)));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (!defaultExtension_.isEmpty()) dialog.setDefaultSuffix(defaultExtension_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<QStringList> CBrowseCtrl::RunFolderDialog() {
    QFileDialog dialog(this, dialogTitle_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setLabelText(QFileDialog::LookIn, folderPrompt_);
    const QString current = QString::fromStdString(GetPath());
    if (!current.isEmpty()) dialog.setDirectory(current);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QStringList{dialog.selectedFiles().front()};
}

}  // namespace vane::desk
