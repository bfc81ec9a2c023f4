#include "ui/common/control_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <vector>

#include "settings/settings_store.h"
#include "ui/common/stored_controls.h"

namespace kolvenar {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename W>
W* Find(const QWidget& window, std::string_view name) {
    auto* control = window.findChild<W*>(Text(name));
    Q_ASSERT_X(control != nullptr, "ListedControl", name.data());
    return control;
}

// An option group's name and members: "opt_Toleranz0" names the group "opt_Toleranz", whose
// members are numbered from 0 on.
QString GroupName(std::string_view firstMember) {
    QString group = Text(firstMember);
    group.chop(1);
    return group;
}

std::vector<QRadioButton*> GroupMembers(const QWidget& window, const QString& group) {
    std::vector<QRadioButton*> members;
    while (auto* member =
               window.findChild<QRadioButton*>(group + QString::number(members.size()))) {
        members.push_back(member);
    }
    return members;
}

void RestoreChoice(const QWidget& window, const ListedControl& entry, const SettingsStore& store,
                   const QString& section) {
    const QString group = GroupName(entry.name);
    const std::vector<QRadioButton*> members = GroupMembers(window, group);
    const int chosen =
        store.ReadInt(section, group, entry.fallback, 0, static_cast<int>(members.size()) - 1);
    members[static_cast<std::size_t>(chosen)]->setChecked(true);
}

// Nothing is stored while no member is chosen.
void StoreChoice(const QWidget& window, const ListedControl& entry, SettingsStore& store,
                 const QString& section) {
    const QString group = GroupName(entry.name);
    const std::vector<QRadioButton*> members = GroupMembers(window, group);
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (members[i]->isChecked()) {
            store.WriteInt(section, group, static_cast<int>(i));
            return;
        }
    }
}

}  // namespace

void SetUpControls(QWidget& window, ControlList controls) {
    QWidget* previous = nullptr;
    for (const ListedControl& entry : controls) {
        auto* control = Find<QWidget>(window, entry.name);
        if (control == nullptr) {
            continue;
        }
        if (!entry.spoken.empty()) {
            control->setAccessibleName(Text(entry.spoken));
        }
        if (control->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

void RestoreControls(QWidget& window, ControlList controls, const SettingsStore& store,
                     const QString& section) {
    for (const ListedControl& entry : controls) {
        switch (entry.kept) {
            case Kept::Tick:
                RestoreChecked(*Find<QCheckBox>(window, entry.name), store, section,
                               entry.fallback == 1);
                break;
            case Kept::Index:
                RestoreIndex(*Find<QComboBox>(window, entry.name), store, section, entry.fallback);
                break;
            case Kept::Text: {
                auto* box = Find<QLineEdit>(window, entry.name);
                box->setText(store.Read(section, box->objectName(), Text(entry.fallbackText)));
                break;
            }
            case Kept::Choice:
                RestoreChoice(window, entry, store, section);
                break;
            case Kept::No:
            case Kept::ByOwner:
                break;
        }
    }
}

void StoreControls(const QWidget& window, ControlList controls, SettingsStore& store,
                   const QString& section) {
    for (const ListedControl& entry : controls) {
        switch (entry.kept) {
            case Kept::Tick:
                StoreChecked(*Find<QCheckBox>(window, entry.name), store, section);
                break;
            case Kept::Index:
                StoreIndex(*Find<QComboBox>(window, entry.name), store, section);
                break;
            case Kept::Text: {
                const auto* box = Find<QLineEdit>(window, entry.name);
                store.Write(section, box->objectName(), box->text());
                break;
            }
            case Kept::Choice:
                StoreChoice(window, entry, store, section);
                break;
            case Kept::No:
            case Kept::ByOwner:
                break;
        }
    }
}

}  // namespace kolvenar
