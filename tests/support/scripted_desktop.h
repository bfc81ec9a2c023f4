#pragma once

#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QList>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>

#include "ui/common/desktop_seam.h"

namespace kolvenar::testing {

struct ShownMessage {
    QString title;
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    MessageAnswer defaultAnswer;
};

// Answers message boxes and file dialogs from a script instead of a person, and records every
// message and every opened address. A message or dialog nobody scripted is counted as
// unexpected; a message then gets its default button, a dialog is cancelled.
class ScriptedDesktop : public Desktop {
public:
    // The next question's answer; `tick` also ticks its check box, where it has one.
    void Answer(MessageAnswer answer, bool tick = false) { answers_.push_back({answer, tick}); }
    // What the user does in the next file dialog, which is shown while `script` runs.
    void InFileDialog(std::function<void(QFileDialog&)> script) {
        dialogs_.push_back(std::move(script));
    }

    MessageAnswer ShowMessage(QWidget* owner, const QString& title, const QString& text,
                              MessageIcon icon, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override {
        bool checked = false;
        return Respond({title, text, icon, buttons, defaultAnswer}, owner, checked);
    }

    MessageAnswer ShowMessageWithCheckBox(QWidget* owner, const QString& title, const QString& text,
                                          MessageIcon icon, MessageButtons buttons,
                                          MessageAnswer defaultAnswer, const QString&,
                                          bool& checked) override {
        return Respond({title, text, icon, buttons, defaultAnswer}, owner, checked);
    }

    bool RunFileDialog(QFileDialog& dialog) override {
        if (dialogs_.empty()) {
            ++unexpectedMessages;
            return false;
        }
        const auto script = std::move(dialogs_.front());
        dialogs_.pop_front();
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        // A dialog shown again starts unanswered, as exec() starts it.
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        if (const auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            shownFileName = name->text();
        }
        script(dialog);
        const bool accepted = dialog.result() == QDialog::Accepted;
        dialog.hide();
        return accepted;
    }

    using Desktop::OpenAddress;
    bool OpenAddress(const QUrl& address, const QObject* context,
                     std::function<void()> refused) override {
        if (opensAddresses) {
            openedAddresses.append(address);
        }
        if (opensAddresses && openerRefuses && refused) {
            // As the opener's exit status arrives: later, in the event loop.
            QTimer::singleShot(0, context, std::move(refused));
        }
        return opensAddresses;
    }

    // Scripted answers and dialogs that nothing used up.
    int UnusedAnswers() const { return static_cast<int>(answers_.size() + dialogs_.size()); }

    // Whether each message is a modal window of its own, as a real message box is, that takes
    // the focus and blocks the program's other windows while it is open; `whileOpen` is done
    // once, while the next such message is open (what the user does with mouse or keys).
    bool realBoxes = false;
    bool focusTaken = false;
    std::function<void()> whileOpen;
    QList<ShownMessage> messages;
    QList<QUrl> openedAddresses;
    // Cleared for a desktop that has nothing to open addresses with.
    bool opensAddresses = true;
    // Set for one whose opener starts but then reports that it failed.
    bool openerRefuses = false;
    // The file name the last file dialog showed as it opened.
    QString shownFileName;
    int unexpectedMessages = 0;

private:
    struct ScriptedAnswer {
        MessageAnswer answer;
        bool tick;
    };

    MessageAnswer Respond(const ShownMessage& message, QWidget*, bool& checked) {
        messages.append(message);
        if (realBoxes) {
            QDialog box;
            box.setWindowTitle(message.title);
            box.setModal(true);
            box.show();
            box.activateWindow();
            focusTaken = QTest::qWaitForWindowActive(&box);
            if (const auto hook = std::exchange(whileOpen, {})) {
                hook();
            }
        }
        if (answers_.empty()) {
            ++unexpectedMessages;
            return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok
                                                         : message.defaultAnswer;
        }
        const ScriptedAnswer scripted = answers_.front();
        answers_.pop_front();
        checked = scripted.tick;
        return scripted.answer;
    }

    std::deque<ScriptedAnswer> answers_;
    std::deque<std::function<void(QFileDialog&)>> dialogs_;
};

}  // namespace kolvenar::testing
