// A text field with a small drawn button at its end that opens the file
// dialog (or, in folder mode, the folder dialog) and keeps the chosen paths.
#pragma once

#include <QLineEdit>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "BrowsePath.h"

namespace vane::desk {

class CBrowseCtrl : public QWidget {
    Q_OBJECT

public:
    // Style bits.
    static constexpr unsigned kButtonLeft = 0x01;
    static constexpr unsigned kGlyphFace = 0x02;
    static constexpr unsigned kFlat = 0x04;
    static constexpr unsigned kGlyph1 = 0x08;
    static constexpr unsigned kGlyph2 = 0x10;
    static constexpr unsigned kGlyph3 = 0x20;
    static constexpr unsigned kEditable = 0x40;
    static constexpr unsigned kFolderMode = 0x80;
    static constexpr unsigned kDefaultStyle = 0x0A;

    static constexpr int kTextFieldId = 12345;
    static constexpr int kBrowseChosen = 1;
    static constexpr int kBrowseCancelled = 2;

    // The platform dialog of a mode: the chosen paths, none on Cancel.
    using Chooser = std::function<std::optional<QStringList>(CBrowseCtrl& control)>;

    // caption: the text drawn on the button in text style.
    explicit CBrowseCtrl(QWidget* parent = nullptr, const QString& caption = QString());
    ~CBrowseCtrl() override;

    void SetStyle(unsigned style);
    unsigned Style() const { return style_; }
    // A filter of "description|pattern|" pairs ended by a second "|".
    void SetFilter(const std::string& filter) { filter_ = filter; }
    const std::string& Filter() const { return filter_; }
    void SetDefaultExtension(const QString& extension) { defaultExtension_ = extension; }
    void SetDialogTitle(const QString& title) { dialogTitle_ = title; }
    void SetFolderPrompt(const QString& prompt) { folderPrompt_ = prompt; }
    void SetTooltipText(const QString& text) { tooltipText_ = text; }
    const QString& TooltipText() const { return tooltipText_; }
    const QString& Caption() const { return caption_; }

    // The field shows path and the chosen paths become this one path.
    void SetPath(const std::string& path);
    // The current path (the typed text or the first chosen path).
    std::string GetPath() const { return path_.CurrentPath(); }
    const BrowsePath& Path() const { return path_; }

    // Runs the dialog of the current mode: kBrowseChosen or kBrowseCancelled
    // (also when a browse is already running).
    int Browse();
    // Replaces the file or folder dialog (tests, other front-ends).
    void SetFileChooser(Chooser chooser) { fileChooser_ = std::move(chooser); }
    void SetFolderChooser(Chooser chooser) { folderChooser_ = std::move(chooser); }

    QLineEdit* TextField() const { return edit_; }
    QRect ButtonArea() const { return buttonArea_; }
    QRect FaceArea() const { return faceArea_; }
    bool IsPressed() const { return pressed_; }
    bool IsHovered() const { return hovered_; }

    QSize sizeHint() const override;

signals:
    // After every browse, with its result.
    void browsed(int result);
    // Posted after a browse that the user started (the button's click).
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    void CreateTextField();
    void BrowseAndNotify();
    int Glyph() const;
    std::optional<QStringList> RunFileDialog();
    std::optional<QStringList> RunFolderDialog();

    QRect buttonArea_;
    QRect faceArea_;
    QRect textFieldArea_;
    QLineEdit* edit_ = nullptr;
    unsigned style_ = kDefaultStyle;
    bool pressed_ = false;
    bool hovered_ = false;
    QString tooltipText_;
    QString caption_;
    bool browsing_ = false;
    QString dialogTitle_;
    QString folderPrompt_;
    QString defaultExtension_;
    std::string filter_ = "All Files (*.*)|*.*||";
    BrowsePath path_;
    Chooser fileChooser_;
    Chooser folderChooser_;
};

}  // namespace vane::desk
