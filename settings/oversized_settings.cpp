#include "settings/oversized_settings.h"

#include <QFile>
#include <QFileInfo>

#include "settings/settings_store.h"

namespace kolvenar {

std::optional<SettingsSetAside> SetAsideOversizedSettings(const QDate& today) {
    const QString file = SettingsStore::FilePath();
    const QFileInfo info(file);
    if (!info.isFile() || info.size() <= kLargestSettingsFile) {
        return std::nullopt;
    }
    const QString base = file + QStringLiteral(".beschädigt-") + today.toString(Qt::ISODate);
    QString name = base;
    for (int number = 2; QFileInfo::exists(name); ++number) {
        name = base + QLatin1Char('-') + QString::number(number);
    }
    return SettingsSetAside{file, QFile::rename(file, name) ? name : QString()};
}

}  // namespace kolvenar
