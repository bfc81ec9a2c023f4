#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <string_view>

#include "core/twips.h"

class QAbstractItemView;
class QAction;
class QContextMenuEvent;
class QKeyEvent;
class QLabel;

namespace kolvenar {

// The font of every window: a sans serif of 8.25 points with the metrics of the classic
// dialog font.
QFont DialogFont(bool bold = false);

// A rectangle given in twips (left, top, width, height), in pixels.
QRect TwipsRect(int left, int top, int width, int height);

// The name of member `index` of a group of like controls ("Cb_Einheit" and 2 give
// "Cb_Einheit2"), as used for objectName and settings keys.
inline QString MemberName(const QString& group, int index) {
    return group + QString::number(index);
}

// Creates a named control of type W as a child of `parent`, placed at a rectangle given in
// twips (left, top, width, height).
template <typename W>
W* PlaceControl(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* control = new W(parent);
    control->setObjectName(name);
    control->setGeometry(TwipsRect(left, top, width, height));
    return control;
}

// Shows a window in front with the focus, brought back to its normal (or maximized) state if
// it was minimized: choosing a window must reach it also where there is no task bar.
void BringToFront(QWidget& window);

// Shows as much of a one-line text as the label's room holds, ending in "…" where it is cut;
// the whole text is then its tool tip. A screen reader always hears the whole text.
void ShowElided(QLabel& label, const QString& text);

// Makes Escape close the window whichever of its controls has the focus.
void CloseOnEscape(QWidget& window);

// Tells `entered` when the user moves the keyboard focus into `box` (a click, a shortcut, Tab or
// Shift+Tab from another control), and `left` when the user moves it from `box` to another
// control of its window. Focus that Qt passes along because the focused control was disabled
// or hidden is no user entering the box, and focus that leaves for a moment while a message box
// or another window is active, or a menu is open, is no user leaving it. Either may be empty.
void WatchUserFocus(QWidget& box, std::function<void()> entered, std::function<void()> left);

// Gives a control the look and state of an enabled or disabled input (window colours when on,
// button-face colours when off).
void SetInputLook(QWidget& box, bool on);

// Menu captions with access keys that clash with no other in the list: each caption's first
// letter or digit that no caption before it took (a "&" of the caption itself is doubled).
QStringList WithAccessKeys(const QStringList& captions);

// A list's "&Kopieren" (Ctrl+C) and "Alles aus&wählen" (Ctrl+A), on the list itself; "Alles
// auswählen" selects every row, what "Kopieren" does is the list's own.
struct ListEntries {
    QAction* copy;
    QAction* selectAll;
};
ListEntries AddCopyAndSelectAll(QAbstractItemView& view);

// Where a list's context menu opens: at the mouse, or, opened from the keyboard, beside the
// current row (at the list's corner where there is none).
QPoint ContextMenuPosition(const QAbstractItemView& view, const QContextMenuEvent& event);
// Opens the list's context menu for the menu key or Shift+F10, as if asked from the keyboard;
// false for any other key. Some platforms turn these keys into a context menu event before a
// list sees them; on the others the list opens its menu itself.
bool OpenContextMenuByKey(QAbstractItemView& list, const QKeyEvent& event);

// Keeps a window's change and click handlers quiet while the window sets its own controls, the
// one way every window does so: sets the window's flag for its scope and restores what it was.
class SuppressedEvents {
public:
    explicit SuppressedEvents(bool& suppressed) : flag_(suppressed), before_(suppressed) {
        flag_ = true;
    }
    ~SuppressedEvents() { flag_ = before_; }
    SuppressedEvents(const SuppressedEvents&) = delete;
    SuppressedEvents& operator=(const SuppressedEvents&) = delete;

private:
    bool& flag_;
    bool before_;
};

// Shows the busy cursor for as long as it lives.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Converts between the UTF-8 text of the core and Qt's strings.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kolvenar
