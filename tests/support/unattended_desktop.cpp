#include "support/unattended_desktop.h"

namespace kolvenar {

MessageAnswer UnattendedDesktop::ShowMessage(QWidget*, const QString&, const QString&, MessageIcon,
                                             MessageButtons buttons, MessageAnswer defaultAnswer) {
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return questions_ == Questions::AnswerYes ? MessageAnswer::Yes : defaultAnswer;
}

MessageAnswer UnattendedDesktop::ShowMessageWithCheckBox(QWidget* owner, const QString& title,
                                                         const QString& text, MessageIcon icon,
                                                         MessageButtons buttons,
                                                         MessageAnswer defaultAnswer,
                                                         const QString&, bool& checked) {
    checked = false;
    return ShowMessage(owner, title, text, icon, buttons, defaultAnswer);
}

bool UnattendedDesktop::RunFileDialog(QFileDialog&) {
    return false;
}

bool UnattendedDesktop::OpenAddress(const QUrl&, const QObject*, std::function<void()>) {
    return false;
}

}  // namespace kolvenar
