#include "ui/common/desktop_seam.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <memory>

namespace kolvenar {

namespace {

// How long the opener's exit status tells whether it opened the address.
constexpr std::chrono::seconds kOpenerAnswersWithin{10};

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
        // The close box and Escape press the escape button, which would otherwise be "Nein";
        // an unseen one of its own tells a closed question from the answer.
        QPushButton* closer = box.addButton(QMessageBox::Cancel);
        closer->hide();
        box.setEscapeButton(closer);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // The box takes the check box over and deletes it.
    box.setCheckBox(checkBox);
    box.exec();
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    if (box.clickedButton() == box.button(QMessageBox::Yes)) {
        return MessageAnswer::Yes;
    }
    return box.clickedButton() == box.button(QMessageBox::No) ? MessageAnswer::No
                                                              : MessageAnswer::Closed;
}

// The box that says what the program is: the program's icon beside the text, its first line
// bold, and web addresses that open when clicked.
void ShowAboutBox(QWidget* owner, const QString& title, const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        const QString shown = line.toHtmlEscaped();
        lines << (line.startsWith(QLatin1String("https://"))
                      ? QStringLiteral("<a href=\"%1\">%1</a>").arg(shown)
                      : shown);
    }
    lines.first() = QStringLiteral("<b>%1</b>").arg(lines.first());
    QMessageBox::about(owner, title, lines.join(QStringLiteral("<br>")));
}

}  // namespace

MessageAnswer QtDesktop::ShowMessage(QWidget* owner, const QString& title, const QString& text,
                                     MessageIcon icon, MessageButtons buttons,
                                     MessageAnswer defaultAnswer) {
    if (icon == MessageIcon::Program) {
        ShowAboutBox(owner, title, text);
        return MessageAnswer::Ok;
    }
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

bool QtDesktop::OpenAddress(const QUrl& address, const QObject* context,
                            std::function<void()> refused) {
    const QString opener = QStandardPaths::findExecutable(opener_);
    if (opener.isEmpty()) {
        return QDesktopServices::openUrl(address);
    }
    // Not owned by a window: closing the program must not end a browser the opener runs.
    auto* process = new QProcess();
    process->setProgram(opener);
    process->setArguments({address.isLocalFile() ? address.toLocalFile() : address.toString()});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    if (refused) {
        // An opener that finds no browser says so at once; one still running after a while
        // shows a browser in its foreground, whose end says nothing about the opening.
        auto listening = std::make_shared<bool>(true);
        QTimer::singleShot(kOpenerAnswersWithin, process, [listening] { *listening = false; });
        QObject::connect(
            process, &QProcess::finished, context != nullptr ? context : process,
            [listening, refused = std::move(refused)](int exitCode,
                                                      QProcess::ExitStatus exitStatus) {
                if (*listening && (exitStatus != QProcess::NormalExit || exitCode != 0)) {
                    refused();
                }
            });
    }
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
}

}  // namespace kolvenar
