#pragma once

#include "ui/common/desktop_seam.h"

namespace kolvenar {

// A desktop with nobody in front of it, for the benchmarks, the fuzzer and helper processes of the
// tests: every notice gets OK, every question the given answer or the box's default with its check
// box left clear, no file is chosen, nothing is opened (and opening says so), and each message and
// address can be written to the standard error output.
class UnattendedDesktop : public Desktop {
public:
    enum class Questions { AnswerYes, TakeDefault };

    explicit UnattendedDesktop(Questions questions, bool report = false)
        : questions_(questions), report_(report) {}

    MessageAnswer ShowMessage(QWidget* owner, const QString& title, const QString& text,
                              MessageIcon icon, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override;
    MessageAnswer ShowMessageWithCheckBox(QWidget* owner, const QString& title, const QString& text,
                                          MessageIcon icon, MessageButtons buttons,
                                          MessageAnswer defaultAnswer, const QString& checkBoxText,
                                          bool& checked) override;
    bool RunFileDialog(QFileDialog& dialog) override;
    bool OpenAddress(const QUrl& address) override;

private:
    Questions questions_;
    bool report_;
};

}  // namespace kolvenar
