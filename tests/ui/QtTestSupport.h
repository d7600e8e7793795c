// Helpers of the widget tests: recorded message boxes and result opening,
// and acting on a modal dialog once it is open.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "Prompter.h"
#include "ResultOpener.h"

namespace vane::desk::test {

class RecordingPrompter : public Prompter {
public:
    void Inform(QWidget*, const QString& text) override { shown.push_back(text); }
    bool AskYesNo(QWidget*, const QString& text) override {
        shown.push_back(text);
        const bool answer = answers.empty() ? false : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    std::vector<QString> shown;
    std::deque<bool> answers;
};

class RecordingOpener : public ResultOpener {
public:
    void Open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

// Runs action on the first modal dialog of type T that becomes active; gives
// up after a few seconds (the waiting exec then fails its test by timing out
// in ctest rather than hanging forever).
template <typename T>
void when_modal(std::function<void(T*)> action) {
    auto* timer = new QTimer;
    auto* waited = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, action] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr && ++*waited < 500) return;
        timer->stop();
        timer->deleteLater();
        delete waited;
        if (dialog != nullptr) action(dialog);
    });
    timer->start(10);
}

}  // namespace vane::desk::test
