// The message boxes of the dialogs, behind an interface so that tests can
// answer them.
#pragma once

#include <QString>

class QWidget;

namespace vane::desk {

class Prompter {
public:
    virtual ~Prompter() = default;
    // A box with an OK button and a warning icon; returns once it is closed.
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    // A box with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
};

// Message boxes titled "Folivane".
class QtPrompter final : public Prompter {
public:
    void Inform(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
};

}  // namespace vane::desk
