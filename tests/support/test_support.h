#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

namespace kolvenar::testing {

// A settings store of its own for one test: an empty temporary configuration folder that
// every new settings object of the program uses.
class FreshSettings {
public:
    FreshSettings();
    QString Folder() const { return folder_.path(); }
    // The settings file of the program in this folder.
    QString FilePath() const;

private:
    QTemporaryDir folder_;
};

// The control named `name` among the children of `window`; fails the test when missing.
template <typename T>
T* Control(const QWidget* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    if (control == nullptr) {
        QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
    }
    return control;
}

// The guide the program built with the tests finds beside itself.
QString BuiltGuideFile();

// Types `text` into a box, replacing what it held, and presses Enter (key code 13).
void TypeAndEnter(QWidget* box, const QString& text);

// Whether a modal window (a real message box, say) is open; tests must never leave one.
bool ModalWindowOpen();

// The bytes of a file, or "<unreadable>".
QByteArray ReadFileBytes(const QString& path);
// Creates or replaces a file with `content`; fails the test when it cannot.
void WriteFileBytes(const QString& path, const QByteArray& content);

}  // namespace kolvenar::testing
