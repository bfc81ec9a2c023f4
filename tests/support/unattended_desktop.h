#pragma once

#include "ui/common/desktop_seam.h"

namespace kolvenar {

// A desktop with nobody in front of it, for the benchmarks and the fuzzer: every notice gets
// OK, every question the given answer or the box's default with its check box left clear, no
// file is chosen and nothing is opened (and opening says so).
class UnattendedDesktop : public Desktop {
public:
    enum class Questions { AnswerYes, TakeDefault };

    explicit UnattendedDesktop(Questions questions) : questions_(questions) {}

    MessageAnswer ShowMessage(QWidget* owner, const QString& title, const QString& text,
                              MessageIcon icon, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override;
    MessageAnswer ShowMessageWithCheckBox(QWidget* owner, const QString& title, const QString& text,
                                          MessageIcon icon, MessageButtons buttons,
                                          MessageAnswer defaultAnswer, const QString& checkBoxText,
                                          bool& checked) override;
    bool RunFileDialog(QFileDialog& dialog) override;
    using Desktop::OpenAddress;
    bool OpenAddress(const QUrl& address, const QObject* context,
                     std::function<void()> refused) override;

private:
    Questions questions_;
};

}  // namespace kolvenar
