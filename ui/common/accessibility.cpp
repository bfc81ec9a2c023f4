#include "ui/common/accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QFocusFrame>
#include <QPointer>
#include <QWidget>

#include "ui/common/combo_box_accessible.h"

namespace kolvenar {

namespace {

// The style's focus frame, put round the control as the focus arrives and taken away as it
// leaves. It lies just outside the control, so the control itself is drawn as always.
class FocusRing : public QObject {
public:
    explicit FocusRing(QWidget& control) : QObject(&control), control_(control) {
        control.installEventFilter(this);
    }

    ~FocusRing() override {
        if (!ring_.isNull()) {
            ring_->setWidget(nullptr);
            delete ring_;
        }
    }

    FocusRing(const FocusRing&) = delete;
    FocusRing& operator=(const FocusRing&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &control_ && event->type() == QEvent::FocusIn) {
            if (ring_.isNull()) {
                ring_ = new QFocusFrame(control_.parentWidget());
            }
            ring_->setWidget(&control_);
            // Above its neighbours: controls placed edge to edge would hide parts of it.
            ring_->raise();
        } else if (watched == &control_ && event->type() == QEvent::FocusOut && !ring_.isNull()) {
            ring_->setWidget(nullptr);
        }
        return false;
    }

private:
    QWidget& control_;
    QPointer<QFocusFrame> ring_;
};

constexpr char kRoleProperty[] = "kolvenarAccessibleRole";

QAccessibleInterface* ProgramInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox")) {
        return ComboBoxInterface(static_cast<QComboBox*>(object));
    }
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = widget != nullptr ? widget->property(kRoleProperty) : QVariant();
    if (!role.isValid()) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void ShowFocusRing(QWidget& control) {
    new FocusRing(control);
}

void SetAccessibleRole(QWidget& control, QAccessible::Role role) {
    InstallAccessibleInterfaces();
    control.setProperty(kRoleProperty, static_cast<int>(role));
}

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(ProgramInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace kolvenar
