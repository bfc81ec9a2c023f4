#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <utility>

class QFileDialog;
class QWidget;

namespace kolvenar {

// `Program` is the program's own icon, for the box that says what the program is.
enum class MessageIcon { Information, Exclamation, Program };
enum class MessageButtons { Ok, YesNo };
// `Closed`: the question was closed (its close box or Escape) without an answer.
enum class MessageAnswer { Ok, Yes, No, Closed };

// What the windows ask of the desktop: a modal message box, and opening a folder or a web
// address. The program uses QtDesktop; tests put in a scripted one that answers without a
// person and notices any message nobody expected.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Shows a modal message and returns the button pressed. Texts may break lines with CR LF.
    virtual MessageAnswer ShowMessage(QWidget* owner, const QString& title, const QString& text,
                                      MessageIcon icon, MessageButtons buttons,
                                      MessageAnswer defaultAnswer) = 0;

    // The same with a check box below the text (such as "Nicht mehr fragen"); `checked` gives
    // its state once the message is answered.
    virtual MessageAnswer ShowMessageWithCheckBox(QWidget* owner, const QString& title,
                                                  const QString& text, MessageIcon icon,
                                                  MessageButtons buttons,
                                                  MessageAnswer defaultAnswer,
                                                  const QString& checkBoxText, bool& checked) = 0;

    // Runs a file dialog that the window has set up, modal; true when a file was chosen.
    virtual bool RunFileDialog(QFileDialog& dialog) = 0;

    // Opens a folder in the file manager or a web address in the browser; false when nothing
    // could be started to open it.
    bool OpenAddress(const QUrl& address) { return OpenAddress(address, nullptr, {}); }
    // The same, and where the opener started but soon reports that it failed (a desktop with
    // an opener but no browser set), `refused` runs later in the event loop while `context`
    // lives.
    virtual bool OpenAddress(const QUrl& address, const QObject* context,
                             std::function<void()> refused) = 0;
};

// Opens addresses with the desktop's opener (xdg-open) where there is one, watching its exit
// status, else through Qt.
class QtDesktop : public Desktop {
public:
    explicit QtDesktop(QString opener = QStringLiteral("xdg-open")) : opener_(std::move(opener)) {}

    using Desktop::OpenAddress;
    MessageAnswer ShowMessage(QWidget* owner, const QString& title, const QString& text,
                              MessageIcon icon, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override;
    MessageAnswer ShowMessageWithCheckBox(QWidget* owner, const QString& title, const QString& text,
                                          MessageIcon icon, MessageButtons buttons,
                                          MessageAnswer defaultAnswer, const QString& checkBoxText,
                                          bool& checked) override;
    bool RunFileDialog(QFileDialog& dialog) override;
    bool OpenAddress(const QUrl& address, const QObject* context,
                     std::function<void()> refused) override;

private:
    QString opener_;
};

}  // namespace kolvenar
