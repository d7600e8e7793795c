// The file chooser strip: a push button subclassed into a text field with a
// small owner-drawn button at its end that opens the file dialog (or, in
// folder mode, the folder dialog) and keeps the chosen paths.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "BrowsePath.h"

namespace vane::desk {

class CBrowseCtrl {
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
    static constexpr int kToolId = 12346;
    static constexpr int kHoverTimer = 12347;
    static constexpr int kFocusTimer = 12348;
    static constexpr int kBrowseChosen = 1;
    static constexpr int kBrowseCancelled = 2;

    // The platform dialog of a mode: the chosen paths, none on Cancel.
    using Chooser = std::function<std::optional<std::vector<std::string>>(CBrowseCtrl& control)>;

    CBrowseCtrl();
    virtual ~CBrowseCtrl();
    CBrowseCtrl(const CBrowseCtrl&) = delete;
    CBrowseCtrl& operator=(const CBrowseCtrl&) = delete;

    // Becomes the button window (a dialog's control) and runs the attachment steps.
    bool Attach(HWND button);
    // Creates a visible tab-stop child push button with an empty caption
    // (parent null: the application's active window) and attaches to it.
    bool Create(const RECT& rect, HWND parent, int id, unsigned style, UINT notifyMessage);

    void SetStyle(unsigned style);
    unsigned Style() const { return style_; }
    // A filter of "description|pattern|" pairs ended by a second "|".
    void SetFilter(const std::string& filter) { filter_ = filter; }
    const std::string& Filter() const { return filter_; }
    void SetDefaultExtension(const std::wstring& extension) { defaultExtension_ = extension; }
    void SetDialogTitle(const std::wstring& title) { dialogTitle_ = title; }
    void SetFolderPrompt(const std::wstring& prompt) { folderPrompt_ = prompt; }
    void SetTooltipText(const std::wstring& text) { tooltipText_ = text; }
    const std::wstring& TooltipText() const { return tooltipText_; }
    const std::wstring& Caption() const { return caption_; }
    // Sent (waiting) to the parent after each browse: wParam the result, lParam the button window.
    void SetNotifyMessage(UINT message) { notifyMessage_ = message; }

    // The text field shows path and the chosen paths become this one path.
    void SetPath(const std::string& path);
    // The current path: the typed text or the first chosen path.
    std::string GetPath() const { return path_.CurrentPath(); }
    const BrowsePath& Path() const { return path_; }
    bool ReadOnlyChosen() const { return readOnlyChosen_; }

    // Runs the dialog of the current mode: kBrowseChosen, or kBrowseCancelled
    // (also when a browse is already running).
    int Browse();
    // Replaces the file or folder dialog (tests).
    void SetFileChooser(Chooser chooser) { fileChooser_ = std::move(chooser); }
    void SetFolderChooser(Chooser chooser) { folderChooser_ = std::move(chooser); }

    HWND Window() const { return window_; }
    HWND TextField() const { return edit_; }
    HWND Tooltip() const { return tooltip_; }
    RECT ButtonArea() const { return buttonArea_; }
    RECT FaceArea() const { return faceArea_; }
    RECT TextFieldArea() const { return textFieldArea_; }
    bool IsPressed() const { return pressed_; }
    bool IsHovered() const { return hovered_; }

    // Paints the button area into dc (client coordinates).
    void Paint(HDC dc) const;

private:
    static LRESULT CALLBACK ButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR data);
    static LRESULT CALLBACK EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR data);
    LRESULT HandleButton(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleEdit(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

    void AttachSteps();
    void Layout();
    void CreateTextField();
    void CreateTooltip();
    void Detach();
    void BrowseAndNotify();
    void ShowText(const std::string& text, bool selectAll);
    void CaretToEnd();
    void Repaint();
    int Glyph() const;
    bool InButton(POINT point) const;
    void OnFocusTimer();
    void OnHoverTimer();
    std::optional<std::vector<std::string>> RunFileDialog();
    std::optional<std::vector<std::string>> RunFolderDialog();

    UINT notifyMessage_ = 0;
    RECT buttonArea_{};
    RECT faceArea_{};
    RECT textFieldArea_{};
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
    bool editFocused_ = false;
    bool createdByCreate_ = false;
    unsigned style_ = kDefaultStyle;
    bool pressed_ = false;
    bool hovered_ = false;
    HWND tooltip_ = nullptr;
    std::wstring tooltipText_ = L"Browse";
    std::wstring caption_;
    bool browsing_ = false;
    bool settingText_ = false;
    std::wstring dialogTitle_;
    std::wstring folderPrompt_ = L"Plseas select a folder from the list:";
    bool openDialog_ = true;
    DWORD fileDialogFlags_;
    UINT folderDialogFlags_;
    bool readOnlyChosen_ = false;
    std::wstring defaultExtension_;
    std::string filter_ = "All Files (*.*)|*.*||";
    BrowsePath path_;
    Chooser fileChooser_;
    Chooser folderChooser_;
};

}  // namespace vane::desk
