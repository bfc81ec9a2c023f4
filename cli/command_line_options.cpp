#include "cli/command_line_options.h"

#include <QCommandLineParser>

#include <array>

#include "multisearch/value_list.h"

namespace kolvenar {

namespace {

struct OptionRow {
    const char* names;  // separated by commas
    const char* valueName;
    const char* description;
};

constexpr std::array<OptionRow, 8> kOptions = {{
    {"mehrfachsuche", "DATEI",
     "Sucht, welche Elemente die Messwerte der Liste in DATEI erklären: ein Wert je Zeile, "
     "dahinter nach Tabulator, Semikolon oder Leerzeichen wahlweise eine Bezeichnung; # leitet "
     "einen Kommentar ein, \"# Einheit: nm\" nennt die Einheit. - liest die Standardeingabe."},
    {"groesse", "GRÖSSE",
     "Größe der Werte: f (Frequenz), L (Wellenlänge), T (Periodendauer), A (Fläche), "
     "V (Volumen), E (Energie) oder k (Wellenzahl), als Buchstabe oder Name. Ohne Angabe die "
     "Größe der Einheit, sonst L."},
    {"einheit", "EINHEIT",
     "Einheit der Werte, wie die Listen des Fensters sie nennen (nm, µm, MHz, ns, m², eV, 1/cm "
     "...; auch um, angstrom, m2, cm-1). Ohne Angabe die Einheit, die die Liste nennt, sonst "
     "die Grundeinstellung der Größe."},
    {"toleranz", "PROZENT", "Toleranz in Prozent, größer als 0 und höchstens 50; ohne Angabe 1."},
    {"cx", "NR",
     "Bezugslänge Cx: 0 bis 4, ihr Platz in der Liste des Hauptfensters (aus den "
     "Einstellungen); ohne Angabe 0."},
    {"zuordnung", "",
     "Gibt statt der Rangliste für jedes Element der Rangliste und jeden Wert das nächste N, "
     "den berechneten Wert und die Abweichung aus."},
    {"h,help", "", "Zeigt diese Hilfe."},
    {"v,version", "", "Zeigt die Version."},
}};

QString Error(const QString& text) {
    return QStringLiteral("kolvenar: ") + text;
}

QStringList Names(const OptionRow& row) {
    return QString::fromUtf8(row.names).split(QLatin1Char(','));
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// The values of a search, checked in the order they stand in the help.
std::optional<QString> ReadValues(const QCommandLineParser& parser, CommandLineCall& call) {
    const auto value = [&parser](const char* name) {
        return parser.value(QString::fromLatin1(name));
    };
    if (parser.isSet(QStringLiteral("groesse"))) {
        call.quantity = FindQuantity(Utf8(value("groesse")));
        if (!call.quantity) {
            return Error(QStringLiteral("Unbekannte Größe %1: erlaubt sind f, L, T, A, V, E und k.")
                             .arg(Quoted(value("groesse"))));
        }
    }
    if (parser.isSet(QStringLiteral("einheit"))) {
        call.unit = FindUnit(Utf8(value("einheit").trimmed()));
        if (!call.unit) {
            return Error(QStringLiteral("Unbekannte Einheit %1.").arg(Quoted(value("einheit"))));
        }
        if (call.quantity && *call.quantity != call.unit->quantity) {
            return Error(QStringLiteral("Die Einheit %1 ist keine Einheit der Größe %2.")
                             .arg(Quoted(value("einheit")),
                                  QString::fromUtf8(
                                      RowOf(*call.quantity).name.data(),
                                      static_cast<qsizetype>(RowOf(*call.quantity).name.size()))));
        }
        call.quantity = call.unit->quantity;
    }
    if (parser.isSet(QStringLiteral("toleranz"))) {
        QString text = value("toleranz").trimmed();
        if (text.endsWith(QLatin1Char('%'))) {
            text.chop(1);
        }
        const auto tolerance = ReadListNumber(Utf8(text.trimmed()));
        if (!tolerance || !(*tolerance > 0) || *tolerance > 50) {
            return Error(QStringLiteral("Ungültige Toleranz %1: erlaubt ist ein Wert größer als 0 "
                                        "und höchstens 50.")
                             .arg(Quoted(value("toleranz"))));
        }
        call.tolerance = *tolerance;
    }
    if (parser.isSet(QStringLiteral("cx"))) {
        bool ok = false;
        call.cx = value("cx").trimmed().toInt(&ok);
        if (!ok || call.cx < 0 || call.cx > 4) {
            return Error(QStringLiteral("Ungültige Bezugslänge %1: erlaubt sind 0 bis 4.")
                             .arg(Quoted(value("cx"))));
        }
    }
    call.assignments = parser.isSet(QStringLiteral("zuordnung"));
    return std::nullopt;
}

// QCommandLineParser's own messages are English; this names the fault in German.
QString ParseError(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString dashes =
            unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        return Error(QStringLiteral("Unbekannte Option %1.").arg(Quoted(dashes + unknown.first())));
    }
    return Error(QStringLiteral("Der Option %1 fehlt ihr Wert.").arg(Quoted(arguments.last())));
}

// A description as lines of at most 80 characters, indented.
QString Wrapped(const QString& text) {
    const QString indent(6, QLatin1Char(' '));
    QString wrapped;
    QString line = indent;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (line.size() > indent.size() && line.size() + 1 + word.size() > 80) {
            wrapped += line + QLatin1Char('\n');
            line = indent;
        }
        line += (line.size() > indent.size() ? QStringLiteral(" ") : QString()) + word;
    }
    return wrapped + line + QLatin1Char('\n');
}

}  // namespace

std::variant<CommandLineCall, QString> ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    for (const OptionRow& row : kOptions) {
        parser.addOption(QCommandLineOption(Names(row), QString::fromUtf8(row.description),
                                            QString::fromUtf8(row.valueName)));
    }
    if (!parser.parse(arguments)) {
        return ParseError(parser, arguments);
    }
    CommandLineCall call;
    if (parser.isSet(QStringLiteral("help"))) {
        call.action = CommandLineCall::Action::Help;
        return call;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        call.action = CommandLineCall::Action::Version;
        return call;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Error(QStringLiteral("Unerwartetes Argument %1.")
                         .arg(Quoted(parser.positionalArguments().first())));
    }
    if (!parser.isSet(QStringLiteral("mehrfachsuche"))) {
        return Error(
            QStringLiteral("Die Option --mehrfachsuche DATEI fehlt; --help zeigt, "
                           "wie das Programm aufgerufen wird."));
    }
    call.file = parser.value(QStringLiteral("mehrfachsuche"));
    if (const auto error = ReadValues(parser, call)) {
        return *error;
    }
    return call;
}

QString Quoted(const QString& text) {
    return QStringLiteral("„") + text + QStringLiteral("“");
}

QString CommandLineHelp() {
    QString help = QStringLiteral(
        "Aufruf: kolvenar [--mehrfachsuche DATEI [--groesse L] [--einheit nm] [--toleranz 1] "
        "[--cx 0] [--zuordnung]]\n\n"
        "Ohne Argumente öffnet kolvenar sein Fenster. Mit --mehrfachsuche sucht es über alle "
        "Elemente und jedes N von -900 bis 900, welche Elemente die Werte einer Liste erklären, "
        "und schreibt die Rangliste als Tabelle (Tabulator zwischen den Spalten, Dezimalpunkt, "
        "UTF-8) auf die Standardausgabe, ohne Fenster; die Zusammenfassung geht auf die "
        "Standardfehlerausgabe. Bei einer falschen Angabe endet es mit dem Status 2.\n\n"
        "Optionen:\n");
    for (const OptionRow& row : kOptions) {
        QString names;
        for (const QString& name : Names(row)) {
            names += (names.isEmpty() ? QString() : QStringLiteral(", ")) +
                     (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        }
        if (*row.valueName != '\0') {
            names += QLatin1Char(' ') + QString::fromUtf8(row.valueName);
        }
        help += QStringLiteral("  ") + names + QLatin1Char('\n') +
                Wrapped(QString::fromUtf8(row.description));
    }
    return help;
}

}  // namespace kolvenar
