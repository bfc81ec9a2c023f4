#include "ui/windows/desktop_seam.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace kolvenar {

MessageAnswer QtDesktop::ShowMessage(QWidget* owner, const QString& title, const QString& text,
                                     MessageIcon icon, MessageButtons buttons,
                                     MessageAnswer defaultAnswer) {
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setIcon(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Warning);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
        box.setDefaultButton(defaultAnswer == MessageAnswer::Yes ? QMessageBox::Yes
                                                                 : QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtDesktop::OpenAddress(const QUrl& address) {
    QDesktopServices::openUrl(address);
}

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

void UnattendedDesktop::OpenAddress(const QUrl& address) {
    if (report_) {
        std::fprintf(stderr, "open: %s\n", qPrintable(address.toString()));
    }
}

}  // namespace kolvenar
