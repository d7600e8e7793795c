// The Save dialog: asks for the name of the profile to save.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <string>

namespace vane::desk {

class CsaveDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kIdName = 1016;

    // name pre-fills the edit.
    CsaveDlg(QWidget* parent, const std::string& name);

    // The name as typed, read by OK.
    const std::string& Name() const { return name_; }

    void accept() override;

private:
    QLineEdit* edit_ = nullptr;
    std::string name_;
};

}  // namespace vane::desk
