#include "ui/common/link_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/common/accessibility.h"

namespace kolvenar {

namespace {

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) {
            text = static_cast<LinkLabel*>(widget())->text();
        }
        return text;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<LinkLabel*>(widget())->Follow();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

QAccessibleInterface* LinkInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className())) {
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    }
    return nullptr;
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(LinkInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    ShowFocusRing(*this);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                  event->key() == Qt::Key_Space)) {
        Follow();
        return;
    }
    QLabel::keyPressEvent(event);
}

// A click is a press and a release on the same label.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Follow();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace kolvenar
