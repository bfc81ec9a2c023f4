#include "cli/command_line.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "cli/command_line_options.h"
#include "core/number_text.h"
#include "core/version.h"
#include "multisearch/ranking.h"
#include "settings/reference_constants.h"
#include "settings/settings_store.h"

namespace kolvenar {

namespace {

// The bytes of the list, or the German line that says why there are none.
std::variant<QByteArray, QString> ReadListFile(const QString& path) {
    QFile file;
    const bool standardInput = path == QStringLiteral("-");
    bool opened = false;
    if (standardInput) {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        file.setFileName(path);
        opened = file.open(QIODevice::ReadOnly);
    }
    const QString name = Quoted(path);
    if (!opened || (!standardInput && QFileInfo(path).isDir())) {
        const QString why = !QFileInfo::exists(path)  ? QStringLiteral("gibt es nicht")
                            : QFileInfo(path).isDir() ? QStringLiteral("ist ein Ordner")
                                                      : QStringLiteral("kann nicht gelesen werden");
        return QStringLiteral("kolvenar: Die Datei %1 %2.").arg(name, why);
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return QStringLiteral("kolvenar: Die Datei %1 kann nicht gelesen werden.").arg(name);
    }
    if (!IsText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        return QStringLiteral(
                   "kolvenar: Die Datei %1 ist keine Textdatei (sie enthält ein "
                   "Nullbyte).")
            .arg(name);
    }
    return bytes;
}

// The reference length of a slot as the main window uses it; where the constants have never
// been stored, the factory contents, without storing them.
CxEntry ReferenceLength(int slot) {
    const SettingsStore store;
    if (ReferenceConstantsStored(store)) {
        return ReadReferenceConstants(store)[static_cast<std::size_t>(slot)];
    }
    const CxTexts texts = ReadReferenceConstantTexts(store)[static_cast<std::size_t>(slot)];
    return {texts.Cx.toStdString(), ReferenceLengthFromText(texts.Cx_Wert.toStdString()),
            texts.Cx_Bezeichnung.toStdString()};
}

// The unit: the one named on the command line, else the list's where it fits the quantity
// asked for, else the quantity's first choice.
UnitChoice ChooseUnit(const CommandLineCall& call, const ValueList& list) {
    if (call.unit) {
        return *call.unit;
    }
    if (list.unit && (!call.quantity || *call.quantity == list.unit->quantity)) {
        return *list.unit;
    }
    const MultiQuantity quantity = call.quantity.value_or(MultiQuantity::Wavelength);
    return {quantity, PlaceOfStored(QuantityUnits(quantity), RowOf(quantity).firstStartUnit)};
}

template <std::size_t Count>
void WriteRow(std::ostream& out, const std::array<std::string, Count>& cells) {
    for (std::size_t i = 0; i < Count; ++i) {
        out << cells[i] << (i + 1 < Count ? '\t' : '\n');
    }
}

template <std::size_t Count>
void WriteTitles(std::ostream& out, const std::array<std::string_view, Count>& titles) {
    std::array<std::string, Count> cells;
    for (std::size_t i = 0; i < Count; ++i) {
        cells[i] = std::string(titles[i]);
    }
    WriteRow(out, cells);
}

int Search(const CommandLineCall& call, std::ostream& out, std::ostream& err) {
    const auto bytes = ReadListFile(call.file);
    if (const QString* error = std::get_if<QString>(&bytes)) {
        err << error->toStdString() << '\n';
        return 2;
    }
    const QByteArray& data = std::get<QByteArray>(bytes);
    const ValueList list =
        ReadValueList(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    const UnitChoice unit = ChooseUnit(call, list);
    const CxEntry cx = ReferenceLength(call.cx);
    const MultiMatcher matcher({unit.quantity, UnitAt(QuantityUnits(unit.quantity), unit.index),
                                call.tolerance, cx.Cx_Wert});
    const Ranking ranking = RankElements(matcher, list.values);
    if (call.assignments) {
        WriteTitles(out, kLongTableTitles);
        for (const RankingRow& row : ranking.rows) {
            const auto assignments = AssignValues(matcher, row.z, list.values);
            for (std::size_t i = 0; i < assignments.size(); ++i) {
                WriteRow(out, LongTableCells({row.z, &list.values[i], assignments[i]}, "."));
            }
        }
    } else {
        WriteTitles(out, kRankingTitles);
        for (const RankingRow& row : ranking.rows) {
            WriteRow(out, RankingCells(row, ranking.valueCount, "."));
        }
    }
    const MultiSearchRequest& request = matcher.Request();
    err << RowOf(request.quantity).name << " in " << request.unit.name << ", Toleranz "
        << TableNumberText(request.tolerance, ".") << " %, " << cx.Cx << " " << cx.Cx_Bezeichnung
        << " = " << TableNumberText(cx.Cx_Wert, ".") << " m\n"
        << SummaryText(list, ranking, ".") << '\n';
    out.flush();
    return out ? 0 : 1;
}

// Qt's own options, which a program takes with one dash or two ("-platform", "--style").
constexpr std::array<std::string_view, 22> kQtOptions = {"platform",
                                                         "platformpluginpath",
                                                         "platformtheme",
                                                         "plugin",
                                                         "qwindowgeometry",
                                                         "qwindowicon",
                                                         "qwindowtitle",
                                                         "reverse",
                                                         "session",
                                                         "display",
                                                         "geometry",
                                                         "style",
                                                         "stylesheet",
                                                         "widgetcount",
                                                         "nograb",
                                                         "dograb",
                                                         "sync",
                                                         "qmljsdebugger",
                                                         "name",
                                                         "title",
                                                         "visual",
                                                         "testability"};

// Every option with two dashes that is not Qt's is the command line's, so that a mistyped one
// ("--mehrfachsuch") is named rather than opening the window; of the one-dash options only
// the command line's short ones.
bool IsCommandLineArgument(std::string_view argument) {
    if (argument == "-h" || argument == "-v" || argument == "-?") {
        return true;
    }
    if (!argument.starts_with("--") || argument.size() == 2) {
        return false;
    }
    const std::string_view name = argument.substr(2, argument.find('=') - 2);
    return std::find(kQtOptions.begin(), kQtOptions.end(), name) == kQtOptions.end();
}

}  // namespace

bool WantsCommandLine(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (IsCommandLineArgument(argv[i])) {
            return true;
        }
    }
    return false;
}

int RunCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandLine(arguments);
    if (const QString* error = std::get_if<QString>(&parsed)) {
        err << error->toStdString() << '\n';
        return 2;
    }
    const CommandLineCall& call = std::get<CommandLineCall>(parsed);
    switch (call.action) {
        case CommandLineCall::Action::Help:
            out << CommandLineHelp().toStdString();
            return 0;
        case CommandLineCall::Action::Version:
            out << "Kolvenar " << VersionText() << '\n';
            return 0;
        case CommandLineCall::Action::Search:
            break;
    }
    return Search(call, out, err);
}

}  // namespace kolvenar
