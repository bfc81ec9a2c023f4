#include "ui/common/window_support.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QVariant>

#include <algorithm>
#include <optional>
#include <vector>

namespace kolvenar {

QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

QFont DialogFont(bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

namespace {

// Sees every key press of the application before the control it is meant for, and closes
// its window when Escape is pressed in it.
class EscapeCloser : public QObject {
public:
    explicit EscapeCloser(QWidget& window) : QObject(&window), window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) {
            return false;
        }
        const auto* widget = qobject_cast<QWidget*>(receiver);
        if (widget == nullptr || widget->window() != &window_) {
            return false;
        }
        window_.close();
        return true;
    }

private:
    QWidget& window_;
};

}  // namespace

void BringToFront(QWidget& window) {
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

void ShowElided(QLabel& label, const QString& text) {
    const QString shown =
        label.fontMetrics().elidedText(text, Qt::ElideRight, label.contentsRect().width());
    label.setText(shown);
    label.setToolTip(shown == text ? QString() : text);
    label.setAccessibleName(text);
}

void CloseOnEscape(QWidget& window) {
    new EscapeCloser(window);
}

namespace {

class UserFocusWatch : public QObject {
public:
    UserFocusWatch(QWidget& box, std::function<void()> entered, std::function<void()> left)
        : QObject(&box),
          box_(box),
          boxType_(box.metaObject()),
          entered_(std::move(entered)),
          left_(std::move(left)) {
        box.installEventFilter(this);
        // The control the focus came from is known only once the focus has moved.
        connect(qApp, &QApplication::focusChanged, this, &UserFocusWatch::FocusChanged);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A box being destroyed loses its focus too, but by then it is no longer the box the
        // handlers were written for: its own part is gone and only a QWidget is left.
        if (watched != &box_ || box_.metaObject() != boxType_) {
            return false;
        }
        if (event->type() == QEvent::FocusIn) {
            arrival_ = static_cast<QFocusEvent*>(event)->reason();
        } else if (event->type() == QEvent::FocusOut && left_) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                left_();
            }
        }
        return false;
    }

private:
    void FocusChanged(QWidget* from, QWidget* to) {
        if (to != &box_ || !arrival_) {
            return;
        }
        const Qt::FocusReason reason = *arrival_;
        arrival_.reset();
        const bool fromLiveControl = from != nullptr && from->isEnabled() && from->isVisible();
        const bool byUser =
            reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
            ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && fromLiveControl);
        if (byUser && entered_) {
            entered_();
        }
    }

    QWidget& box_;
    const QMetaObject* boxType_;
    std::function<void()> entered_;
    std::function<void()> left_;
    std::optional<Qt::FocusReason> arrival_;
};

}  // namespace

void WatchUserFocus(QWidget& box, std::function<void()> entered, std::function<void()> left) {
    new UserFocusWatch(box, std::move(entered), std::move(left));
}

QStringList WithAccessKeys(const QStringList& captions) {
    QStringList marked;
    QString taken;
    for (const QString& caption : captions) {
        QString text = QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar key = text[i].toLower();
            if (text[i].isLetterOrNumber() && !taken.contains(key)) {
                taken += key;
                text.insert(i, QLatin1Char('&'));
                break;
            }
        }
        marked << text;
    }
    return marked;
}

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

void SetInputLook(QWidget& box, bool on) {
    QPalette palette = box.palette();
    const QPalette system;
    palette.setColor(QPalette::Text, on ? system.color(QPalette::Active, QPalette::WindowText)
                                        : system.color(QPalette::Active, QPalette::ButtonText));
    palette.setColor(QPalette::Base, on ? system.color(QPalette::Active, QPalette::Base)
                                        : system.color(QPalette::Active, QPalette::Button));
    box.setPalette(palette);
    box.setEnabled(on);
}

ListEntries AddCopyAndSelectAll(QAbstractItemView& view) {
    auto* copy = new QAction(QStringLiteral("&Kopieren"), &view);
    copy->setObjectName(QStringLiteral("ME_Kopieren"));
    copy->setShortcut(QKeySequence::Copy);
    auto* selectAll = new QAction(QStringLiteral("Alles aus&wählen"), &view);
    selectAll->setObjectName(QStringLiteral("ME_AllesAuswählen"));
    selectAll->setShortcut(QKeySequence::SelectAll);
    for (QAction* action : {copy, selectAll}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view.addAction(action);
    }
    QObject::connect(selectAll, &QAction::triggered, &view, &QAbstractItemView::selectAll);
    return {copy, selectAll};
}

QPoint ContextMenuPosition(const QAbstractItemView& view, const QContextMenuEvent& event) {
    if (event.reason() != QContextMenuEvent::Keyboard) {
        return event.globalPos();
    }
    const QRect row = view.visualRect(view.currentIndex());
    return view.viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0));
}

bool OpenContextMenuByKey(QAbstractItemView& list, const QKeyEvent& event) {
    const bool opens = (event.key() == Qt::Key_Menu && event.modifiers() == Qt::NoModifier) ||
                       (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier);
    if (opens) {
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
        QCoreApplication::sendEvent(&list, &menuEvent);
    }
    return opens;
}

}  // namespace kolvenar
