#include "ui/common/combo_box_accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace kolvenar {

namespace {

// The children are Qt's: the drop-down list, and the edit box of an editable list box. The
// shown entry is also offered as read-only text, where screen readers look for the value.
class ComboBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("activated(int)"));
    }

    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value ||
            (t == QAccessible::Name && Box()->accessibleName().isEmpty())) {
            return Box()->currentText();
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return Box()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0) {
            return QAccessible::queryAccessibleInterface(Box()->view());
        }
        if (index == 1 && Box()->isEditable()) {
            return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        }
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == Box()->view()) {
            return 0;
        }
        return Box()->isEditable() && child->object() == Box()->lineEdit() ? 1 : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const bool onEdit = Box()->isEditable() && Box()->lineEdit()->geometry().contains(
                                                       Box()->mapFromGlobal(QPoint(x, y)));
        return onEdit ? child(1) : nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface && !Box()->isEditable()) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    QStringList actionNames() const override {
        return {showMenuAction(), pressAction(), setFocusAction()};
    }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (Box()->view()->isVisible()) {
            Box()->hidePopup();
        } else {
            Box()->showPopup();
        }
    }

    // The shown entry as text that can be read but not selected.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return Box()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Box()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

}  // namespace

QAccessibleInterface* ComboBoxInterface(QComboBox* box) {
    return new ComboBoxAccessible(box);
}

}  // namespace kolvenar
