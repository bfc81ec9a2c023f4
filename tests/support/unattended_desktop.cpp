#include "support/unattended_desktop.h"

#include <QFileDialog>

#include <cstdio>

namespace kolvenar {

MessageAnswer UnattendedDesktop::ShowMessage(QWidget*, const QString& title, const QString& text,
                                             MessageIcon, MessageButtons buttons,
                                             MessageAnswer defaultAnswer) {
    if (report_) {
        const QString oneLine =
            QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" | "));
        std::fprintf(stderr, "message%s: %s\n", qPrintable(title), qPrintable(oneLine));
    }
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

bool UnattendedDesktop::RunFileDialog(QFileDialog& dialog) {
    if (report_) {
        std::fprintf(stderr, "file dialog: %s\n", qPrintable(dialog.windowTitle()));
    }
    return false;
}

bool UnattendedDesktop::OpenAddress(const QUrl& address) {
    if (report_) {
        std::fprintf(stderr, "open: %s\n", qPrintable(address.toString()));
    }
    return false;
}

}  // namespace kolvenar
