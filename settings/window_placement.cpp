#include "settings/window_placement.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

#include "settings/settings_store.h"

namespace kolvenar {

namespace {

const QString kState = QStringLiteral("WindowState");
const QString kLeft = QStringLiteral("L");
const QString kTop = QStringLiteral("T");
const QString kWidth = QStringLiteral("W");
const QString kHeight = QStringLiteral("H");

constexpr double kDefaultWidthTwips = 9600;
constexpr double kDefaultHeightTwips = 7200;
// Coordinates a hand-edited file may hold are clamped to this many pixels so that no
// arithmetic on them can overflow.
constexpr double kLargestCoordinate = 1 << 20;

int PixelsFromTwips(double twips) {
    const double pixels =
        std::clamp(twips / kTwipsPerPixel, -kLargestCoordinate, kLargestCoordinate);
    return static_cast<int>(std::lround(pixels));
}

QString TwipsText(int pixels) {
    return QString::number(pixels * kTwipsPerPixel);
}

// A stored width or height in pixels; one that is not positive (only a hand-edited file holds
// such) gives the default.
int StoredLength(const SettingsStore& store, const QString& section, const QString& key,
                 double defaultTwips) {
    const double twips = store.ReadReal(section, key, defaultTwips);
    return std::max(1, PixelsFromTwips(twips > 0 ? twips : defaultTwips));
}

bool OnSomeScreen(const QRect& frame) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(frame)) {
            return true;
        }
    }
    return QGuiApplication::screens().isEmpty();
}

// The window manager adds the frame only after a window is shown. Until then a restored outer
// size can only be applied as the inner size; this watches the window's first moments on
// screen and takes the frame off again, so the window does not grow by a frame per session.
class OuterSizeKeeper : public QObject {
public:
    OuterSizeKeeper(QWidget& window, QSize outer)
        : QObject(&window), window_(window), outer_(outer) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched != &window_ ||
            (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize)) {
            return false;
        }
        if (!clock_.isValid()) {
            clock_.start();
        }
        const QSize frame = window_.frameGeometry().size() - window_.size();
        if (!frame.isEmpty() && !window_.isMaximized() && !window_.isMinimized()) {
            window_.removeEventFilter(this);
            window_.resize(outer_ - frame);
            deleteLater();
        } else if (clock_.elapsed() > kPatienceMs) {
            window_.removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    static constexpr qint64 kPatienceMs = 2000;
    QWidget& window_;
    QSize outer_;
    QElapsedTimer clock_;
};

// Where a window of outer size `outer` goes: its stored place, or the top left of the primary
// screen when it would lie off every screen.
QPoint StoredPosition(const SettingsStore& store, const QString& section, const QSize& outer) {
    QPoint position(PixelsFromTwips(store.ReadReal(section, kLeft, 0)),
                    PixelsFromTwips(store.ReadReal(section, kTop, 0)));
    if (!OnSomeScreen(QRect(position, outer))) {
        if (const QScreen* primary = QGuiApplication::primaryScreen()) {
            position = primary->availableGeometry().topLeft();
        }
    }
    return position;
}

void WritePlacement(SettingsStore& store, const QString& section, const QRect& outer) {
    store.Write(section, kLeft, TwipsText(outer.left()));
    store.Write(section, kTop, TwipsText(outer.top()));
    store.Write(section, kWidth, TwipsText(outer.width()));
    store.Write(section, kHeight, TwipsText(outer.height()));
}

}  // namespace

void RestoreWindowPlacement(QWidget& window, WindowBorder border, SettingsStore& store) {
    const QString section = window.objectName();
    if (!(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        QSize outer = window.frameGeometry().size();
        if (border == WindowBorder::Resizable) {
            outer = QSize(StoredLength(store, section, kWidth, kDefaultWidthTwips),
                          StoredLength(store, section, kHeight, kDefaultHeightTwips));
            // The frame is known only once the window is on screen; until then the outer
            // size is the inner one.
            const QSize frame = window.frameGeometry().size() - window.size();
            window.resize(outer - frame);
            if (!window.isVisible()) {
                new OuterSizeKeeper(window, outer);
            }
        }
        window.move(StoredPosition(store, section, outer));
    }
    if (border == WindowBorder::Resizable && store.ReadInt(section, kState, 0, 0, 1) == 1) {
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
    }
}

void SaveWindowPlacement(const QWidget& window, WindowBorder border, SettingsStore& store) {
    const QString section = window.objectName();
    const bool minimized =
        border == WindowBorder::Resizable && (window.windowState() & Qt::WindowMinimized);
    store.WriteInt(section, kState, minimized ? 1 : 0);
    if (minimized) {
        return;
    }
    // A maximized window is stored with the place and size it has when normal.
    const QRect frame = window.frameGeometry();
    QRect normal = window.isMaximized() ? window.normalGeometry() : window.geometry();
    normal.adjust(frame.left() - window.geometry().left(), frame.top() - window.geometry().top(),
                  frame.right() - window.geometry().right(),
                  frame.bottom() - window.geometry().bottom());
    WritePlacement(store, section, normal);
}

void StoreUnshownPlacement(SettingsStore& store, const QString& section, const QSize& size) {
    store.WriteInt(section, kState, 0);
    WritePlacement(store, section, QRect(StoredPosition(store, section, size), size));
}

}  // namespace kolvenar
