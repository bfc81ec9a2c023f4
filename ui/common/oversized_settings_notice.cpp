#include "ui/common/oversized_settings_notice.h"

#include <QDate>
#include <QDir>

#include "settings/oversized_settings.h"
#include "ui/common/desktop_seam.h"

namespace kolvenar {

void SetAsideOversizedSettings(Desktop& desktop, QWidget* owner) {
    const std::optional<SettingsSetAside> setAside =
        SetAsideOversizedSettings(QDate::currentDate());
    if (!setAside) {
        return;
    }
    const QString damaged = QStringLiteral("Die Einstellungsdatei '") +
                            QDir::toNativeSeparators(setAside->file) +
                            QStringLiteral("' ist beschädigt (größer als 1 MiB).\r\n");
    const QString what =
        setAside->setAsideAs.isEmpty()
            ? QStringLiteral("Sie konnte nicht beiseitegelegt werden !?")
            : QStringLiteral("Sie wurde als '") + QDir::toNativeSeparators(setAside->setAsideAs) +
                  QStringLiteral("' beiseitegelegt. Kolvenar beginnt mit den Grundeinstellungen.");
    desktop.ShowMessage(owner, QStringLiteral(" Achtung"), damaged + what, MessageIcon::Exclamation,
                        MessageButtons::Ok, MessageAnswer::Ok);
}

}  // namespace kolvenar
