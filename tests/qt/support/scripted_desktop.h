#pragma once

#include <QList>
#include <QString>
#include <QTest>
#include <QUrl>
#include <QWidget>

#include <deque>

#include "ui/windows/desktop_seam.h"

namespace kolvenar::testing {

struct ShownMessage {
    QString title;
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    MessageAnswer defaultAnswer;
};

// Answers message boxes from a script instead of a person, and records every message and
// every opened address. A message nobody scripted is counted as unexpected and answered
// with its default button.
class ScriptedDesktop : public Desktop {
public:
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }

    MessageAnswer ShowMessage(QWidget*, const QString& title, const QString& text, MessageIcon icon,
                              MessageButtons buttons, MessageAnswer defaultAnswer) override {
        messages.append({title, text, icon, buttons, defaultAnswer});
        if (takeFocus) {
            // A real message box is a window of its own that takes the focus while it is open.
            QWidget box;
            box.setWindowTitle(title);
            box.show();
            box.activateWindow();
            focusTaken = QTest::qWaitForWindowActive(&box);
        }
        if (answers_.empty()) {
            ++unexpectedMessages;
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : defaultAnswer;
        }
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    void OpenAddress(const QUrl& address) override { openedAddresses.append(address); }

    // Scripted answers that no message used up.
    int UnusedAnswers() const { return static_cast<int>(answers_.size()); }

    void Reset() {
        messages.clear();
        openedAddresses.clear();
        answers_.clear();
        unexpectedMessages = 0;
    }

    // Whether each message takes the focus away from the window for as long as it is open.
    bool takeFocus = false;
    bool focusTaken = false;
    QList<ShownMessage> messages;
    QList<QUrl> openedAddresses;
    int unexpectedMessages = 0;

private:
    std::deque<MessageAnswer> answers_;
};

}  // namespace kolvenar::testing
