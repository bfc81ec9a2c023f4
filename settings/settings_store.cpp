#include "settings/settings_store.h"

#include <QFileInfo>
#include <QLocale>

#include <cmath>

namespace kolvenar {

SettingsStore::SettingsStore(const QString& application)
    : settings_(QSettings::NativeFormat, QSettings::UserScope, application, application) {}

QString SettingsStore::FilePath(const QString& application) {
    // A store of the same organization under a name that holds no settings lies in the same
    // folder; opening it reads nothing of this one.
    const QSettings neighbour(QSettings::NativeFormat, QSettings::UserScope, application,
                              QStringLiteral(".%1-ohne-Einstellungen").arg(application));
    return QFileInfo(neighbour.fileName()).path() + QLatin1Char('/') + application +
           QStringLiteral(".conf");
}

QString SettingsStore::Path(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

QString SettingsStore::Read(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const QVariant value = settings_.value(Path(section, key));
    if (!value.isValid()) {
        return defaultValue;
    }
    // A hand-edited file can hold a list ("a, b") where text belongs; it reads as missing.
    if (value.typeId() == QMetaType::QStringList) {
        return defaultValue;
    }
    return value.toString();
}

void SettingsStore::Write(const QString& section, const QString& key, const QString& value) {
    settings_.setValue(Path(section, key), value);
}

int SettingsStore::ReadInt(const QString& section, const QString& key, int defaultValue,
                           int minimum, int maximum) const {
    bool ok = false;
    const int value = Read(section, key, QString()).trimmed().toInt(&ok);
    if (!ok || value < minimum || value > maximum) {
        return defaultValue;
    }
    return value;
}

double SettingsStore::ReadReal(const QString& section, const QString& key,
                               double defaultValue) const {
    const QString text = Read(section, key, QString()).trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(text, &ok);
    if (!ok) {
        value =
            QLocale::c().toDouble(QString(text).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    }
    if (!ok || !std::isfinite(value)) {
        return defaultValue;
    }
    return value;
}

void SettingsStore::WriteInt(const QString& section, const QString& key, int value) {
    Write(section, key, QString::number(value));
}

bool SettingsStore::Sync() {
    settings_.sync();
    // A format error only says that an earlier file could not be read; it has been replaced.
    return settings_.status() != QSettings::AccessError;
}

}  // namespace kolvenar
