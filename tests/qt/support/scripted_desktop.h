#pragma once

#include <QList>
#include <QString>
#include <QUrl>

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

    QList<ShownMessage> messages;
    QList<QUrl> openedAddresses;
    int unexpectedMessages = 0;

private:
    std::deque<MessageAnswer> answers_;
};

}  // namespace kolvenar::testing
