// The Load dialog: lets the user pick one of the saved profiles.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <string>
#include <vector>

namespace vane::desk {

class CloadDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kIdList = 1018;

    // names fill the list, which shows them sorted; the first entry is selected.
    CloadDlg(QWidget* parent, const std::vector<std::string>& names);

    // The selected entry's text, read by OK; empty when the list is.
    const std::string& Chosen() const { return chosen_; }

    void accept() override;

private:
    QComboBox* list_ = nullptr;
    std::string chosen_;
};

}  // namespace vane::desk
