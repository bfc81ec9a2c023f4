#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace kolvenar {

// Far more than any settings file the program writes (a few kilobytes): a larger one is
// damage, which would take seconds and hundreds of megabytes to read and be written back.
inline constexpr qint64 kLargestSettingsFile = 1024 * 1024;

struct SettingsSetAside {
    QString file;
    // The new name, or empty when the file could not be renamed.
    QString setAsideAs;
};

// Renames a settings file larger than kLargestSettingsFile to "<file>.beschädigt-<today>"
// (with "-2", "-3" … where that name is taken), before anything reads it, so that the program
// starts with the defaults; nothing is deleted. Nothing when the file is not that large.
std::optional<SettingsSetAside> SetAsideOversizedSettings(const QDate& today);

}  // namespace kolvenar
