#pragma once

#include <QSettings>
#include <QString>

namespace kolvenar {

// The program's product name; also the application every setting is stored under.
inline constexpr char kApplicationName[] = "Kolvenar";

// The per-user settings store: text values addressed by application, section and key.
// On Linux this is the file Kolvenar/Kolvenar.conf under the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config); a section is a group of that file.
//
// Writes are collected and written out together when the store is synced or destroyed, so a
// window's close handling writes the file once. Reading never fails and never creates
// anything.
class SettingsStore {
public:
    explicit SettingsStore(const QString& application = QString::fromLatin1(kApplicationName));

    QString Read(const QString& section, const QString& key, const QString& defaultValue) const;
    void Write(const QString& section, const QString& key, const QString& value);

    // A whole number from [minimum, maximum]; anything else (missing, not a number, out of
    // range) gives the default. Only a hand-edited file can hold such values.
    int ReadInt(const QString& section, const QString& key, int defaultValue, int minimum,
                int maximum) const;
    // A number of the user's number format (a comma or a point as decimal separator).
    double ReadReal(const QString& section, const QString& key, double defaultValue) const;
    void WriteInt(const QString& section, const QString& key, int value);

    // Writes everything pending; false when the file cannot be written.
    bool Sync();
    // The file behind the store.
    QString FileName() const { return settings_.fileName(); }
    // The same without opening the store, which reads the whole file.
    static QString FilePath(const QString& application = QString::fromLatin1(kApplicationName));

private:
    static QString Path(const QString& section, const QString& key);

    mutable QSettings settings_;
};

}  // namespace kolvenar
