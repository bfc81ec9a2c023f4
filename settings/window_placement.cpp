#include "settings/window_placement.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cmath>

#include "settings/settings_keys.h"
#include "settings/settings_store.h"

namespace kolvenar {

namespace {

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

// The screen whose available area the rectangle overlaps most; none when it lies off every
// screen.
const QScreen* LandingScreen(const QRect& frame) {
    const QScreen* landing = nullptr;
    qint64 largestOverlap = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->availableGeometry().intersected(frame);
        const qint64 overlap = qint64(common.width()) * common.height();
        if (overlap > largestOverlap) {
            landing = screen;
            largestOverlap = overlap;
        }
    }
    return landing;
}

struct Span {
    int start;
    int length;
};

// A window's extent along one direction of a screen's available area. One longer than the area
// shrinks to fill it when it may; otherwise it moves as little as keeps a third of it in the
// area and, for the top edge, the edge itself: with the edge inside and a third of the height
// below it, the title bar is on the screen, and a third of the width leaves enough of it to
// grab.
Span FitSpan(Span window, Span area, bool mayShrink, bool startInside) {
    if (mayShrink && window.length > area.length) {
        return area;
    }
    const int third = (window.length + 2) / 3;
    const int lowest = startInside ? area.start : area.start + third - window.length;
    const int highest = area.start + area.length - third;
    return {std::max(lowest, std::min(window.start, highest)), window.length};
}

// The window manager adds the frame only after a window is shown. Until then a restored outer
// size can only be applied as the inner size; this watches the window's first moments on
// screen and takes the frame off again, so the window does not grow by a frame per session.
class OuterSizeKeeper : public QObject {
public:
    OuterSizeKeeper(QWidget& window, QRect outer)
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
            // Resized while it is being shown, the window would be placed again by its inner
            // position, which some window systems push right or down when the frame starts off
            // the screen; so it is resized once shown, unless someone did first, and its frame
            // put back where it was.
            QTimer::singleShot(0, this, [this, frame, sizeAsShown = window_.size()] {
                if (window_.size() == sizeAsShown) {
                    window_.resize(outer_.size() - frame);
                    if (QWindow* handle = window_.windowHandle()) {
                        handle->setFramePosition(outer_.topLeft());
                    }
                }
                deleteLater();
            });
        } else if (clock_.elapsed() > kPatienceMs) {
            window_.removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    static constexpr qint64 kPatienceMs = 2000;
    QWidget& window_;
    QRect outer_;
    QElapsedTimer clock_;
};

// The outer rectangle a window of outer size `outer` opens with: its stored place fitted to the
// screen it lands on, or the top left of the primary screen when it would lie off every screen.
// Only a resizable window may shrink.
QRect FittedPlacement(const SettingsStore& store, const QString& section, const QSize& outer,
                      WindowBorder border) {
    QRect frame(QPoint(PixelsFromTwips(store.ReadReal(section, keys::kLeft, 0)),
                       PixelsFromTwips(store.ReadReal(section, keys::kTop, 0))),
                outer);
    const QScreen* screen = LandingScreen(frame);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
        if (screen == nullptr) {
            return frame;
        }
        frame.moveTopLeft(screen->availableGeometry().topLeft());
    }
    const QRect area = screen->availableGeometry();
    const bool mayShrink = border == WindowBorder::Resizable;
    const Span across =
        FitSpan({frame.left(), frame.width()}, {area.left(), area.width()}, mayShrink, false);
    const Span down =
        FitSpan({frame.top(), frame.height()}, {area.top(), area.height()}, mayShrink, true);
    return QRect(across.start, down.start, across.length, down.length);
}

void WritePlacement(SettingsStore& store, const QString& section, const QRect& outer) {
    store.Write(section, keys::kLeft, TwipsText(outer.left()));
    store.Write(section, keys::kTop, TwipsText(outer.top()));
    store.Write(section, keys::kWidth, TwipsText(outer.width()));
    store.Write(section, keys::kHeight, TwipsText(outer.height()));
}

}  // namespace

void RestoreWindowPlacement(QWidget& window, WindowBorder border, SettingsStore& store) {
    const QString section = window.objectName();
    if (!(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        QSize outer = window.frameGeometry().size();
        if (border == WindowBorder::Resizable) {
            outer = QSize(StoredLength(store, section, keys::kWidth, kDefaultWidthTwips),
                          StoredLength(store, section, keys::kHeight, kDefaultHeightTwips));
        }
        const QRect placed = FittedPlacement(store, section, outer, border);
        if (border == WindowBorder::Resizable) {
            // The frame is known only once the window is on screen; until then the outer
            // size is the inner one.
            const QSize frame = window.frameGeometry().size() - window.size();
            window.resize(placed.size() - frame);
            if (!window.isVisible()) {
                new OuterSizeKeeper(window, placed);
            }
        }
        window.move(placed.topLeft());
    }
    if (border == WindowBorder::Resizable &&
        store.ReadInt(section, keys::kWindowState, 0, 0, 1) == 1) {
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
    }
}

void SaveWindowPlacement(const QWidget& window, WindowBorder border, SettingsStore& store) {
    const QString section = window.objectName();
    const bool minimized =
        border == WindowBorder::Resizable && (window.windowState() & Qt::WindowMinimized);
    store.WriteInt(section, keys::kWindowState, minimized ? 1 : 0);
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
    store.WriteInt(section, keys::kWindowState, 0);
    WritePlacement(store, section, FittedPlacement(store, section, size, WindowBorder::Fixed));
}

}  // namespace kolvenar
