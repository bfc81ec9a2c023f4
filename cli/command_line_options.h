#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

#include "multisearch/quantities.h"

namespace kolvenar {

// What the command line asks for, its values checked.
struct CommandLineCall {
    enum class Action { Help, Version, Search };
    Action action = Action::Search;
    // The list's file; "-" is the standard input.
    QString file;
    std::optional<MultiQuantity> quantity;
    std::optional<UnitChoice> unit;
    double tolerance = 1;
    int cx = 0;
    bool assignments = false;
};

// The call, or the German line that names what is wrong ("kolvenar: Unbekannte Option
// „--farbe“.").
std::variant<CommandLineCall, QString> ParseCommandLine(const QStringList& arguments);

// A name or value as the messages quote it: „--farbe“.
QString Quoted(const QString& text);

// What --help shows.
QString CommandLineHelp();

}  // namespace kolvenar
