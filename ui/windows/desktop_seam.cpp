#include "ui/windows/desktop_seam.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace kolvenar {

namespace {

MessageAnswer RunMessageBox(QWidget* owner, const QString& title, const QString& text,
                            MessageIcon icon, MessageButtons buttons, MessageAnswer defaultAnswer,
                            QCheckBox* checkBox) {
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
    // The box takes the check box over and deletes it.
    box.setCheckBox(checkBox);
    const int pressed = box.exec();
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace

MessageAnswer QtDesktop::ShowMessage(QWidget* owner, const QString& title, const QString& text,
                                     MessageIcon icon, MessageButtons buttons,
                                     MessageAnswer defaultAnswer) {
    return RunMessageBox(owner, title, text, icon, buttons, defaultAnswer, nullptr);
}

MessageAnswer QtDesktop::ShowMessageWithCheckBox(QWidget* owner, const QString& title,
                                                 const QString& text, MessageIcon icon,
                                                 MessageButtons buttons,
                                                 MessageAnswer defaultAnswer,
                                                 const QString& checkBoxText, bool& checked) {
    auto* checkBox = new QCheckBox(checkBoxText);
    checkBox->setChecked(checked);
    // The check box lives as long as the message box, so its state is read in between.
    QObject::connect(checkBox, &QCheckBox::toggled, [&checked](bool on) { checked = on; });
    return RunMessageBox(owner, title, text, icon, buttons, defaultAnswer, checkBox);
}

bool QtDesktop::RunFileDialog(QFileDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
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

void UnattendedDesktop::OpenAddress(const QUrl& address) {
    if (report_) {
        std::fprintf(stderr, "open: %s\n", qPrintable(address.toString()));
    }
}

}  // namespace kolvenar
