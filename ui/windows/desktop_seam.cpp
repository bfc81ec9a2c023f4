#include "ui/windows/desktop_seam.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

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

}  // namespace kolvenar
