#include "options.h"

#include "pdf_output.h"
#include "plain_text.h"
#include "socket_table.h"
#include "texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <utility>
#include <vector>

namespace RenderOptions {

namespace {

// What follows an option on the command line. A name (of a file or folder)
// must not be empty.
enum class Value { None, Text, Name };

// The two ways to call the program, each with its part of the help.
enum class Use { Render, Read };

struct HelpLine
{
    Use use;
    const char *placeholder; // shown after the option's name, or nullptr
    const char *text;
};

// One option: its names, what follows it, how it changes the options (an
// empty string, or what is wrong with the value) and its help lines. A new
// option is one more row in table().
struct Option
{
    QStringList names;
    Value value;
    QString (*apply)(Options &options, const QString &value);
    std::vector<HelpLine> help;
};

// A text of the table, marked for translation there.
QString translated(const char *text)
{
    return QCoreApplication::translate("Lochkartor", text);
}

QString setReport(Options &options, Report report)
{
    if (options.report != Report::None && options.report != report)
        return LochkartorText::tr("--json und --list schließen sich aus");
    options.report = report;
    return QString();
}

// The card's own name of the socket ("A5", "11") or its place in the list
// (1 to 24); both agree for the sockets 1 to 19.
QString setSocket(Options &options, const QString &value)
{
    const int named = socketIndexOfShortName(value);
    if (named >= 0) {
        options.socket = named;
        return QString();
    }
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (!isNumber || number < 1 || number > SocketCount)
        return LochkartorText::tr("--socket nimmt eine Fassungsnummer von 1 bis %1 oder den Namen "
                                  "der Fassung auf der Karte (01 bis 19, A1 bis A5), nicht „%2“")
            .arg(SocketCount)
            .arg(PlainText::quoted(value));
    options.socket = number - 1;
    return QString();
}

// --help and --version are looked at before anything else.
QString printsOnly(Options &, const QString &)
{
    return QString();
}

// In the order of the help; both parts of the help keep this order.
const std::vector<Option> &table()
{
    static const std::vector<Option> options = {
        {{QStringLiteral("list")},
         Value::None,
         [](Options &o, const QString &) { return setReport(o, Report::List); },
         {{Use::Render, nullptr,
           QT_TRANSLATE_NOOP("Lochkartor",
                             "Stanzliste: Löcher mit Bedeutung, Kartentexte, Prüfung")}}},
        {{QStringLiteral("read-holes")},
         Value::Text,
         [](Options &o, const QString &value) {
             o.readHoles = true;
             o.holesText = value;
             return QString();
         },
         {{Use::Read, nullptr,
           QT_TRANSLATE_NOOP("Lochkartor",
                             "die Löcher als Text: Feld I oder II, dann seine Lochnummern")}}},
        {{QStringLiteral("read-json")},
         Value::Text,
         [](Options &o, const QString &value) {
             o.readJson = true;
             o.holesFile = value;
             return QString();
         },
         {{Use::Read, nullptr,
           QT_TRANSLATE_NOOP("Lochkartor",
                             "die Löcher als JSON, wie --json sie unter \"holes\" ausgibt")}}},
        {{QStringLiteral("read-image")},
         Value::Text,
         [](Options &o, const QString &value) {
             o.readImage = true;
             o.imageFile = value;
             return QString();
         },
         {{Use::Read, nullptr,
           QT_TRANSLATE_NOOP("Lochkartor",
                             "die Löcher aus einem Scan oder Foto der Karte (PNG, JPEG, TIFF)")}}},
        {{QStringLiteral("socket")},
         Value::Text,
         setSocket,
         {{Use::Read, "N",
           QT_TRANSLATE_NOOP(
               "Lochkartor",
               "die Fassung mit ihrem Namen auf der Karte (01 bis 19, A1 bis A5, "
               "groß oder klein) oder ihrer Nummer in der Fassungsliste (1 bis 24)")}}},
        {{QStringLiteral("json")},
         Value::None,
         [](Options &o, const QString &) { return setReport(o, Report::Json); },
         {{Use::Render, nullptr, QT_TRANSLATE_NOOP("Lochkartor", "eine JSON-Zeile je Datei")},
          {Use::Read, nullptr,
           QT_TRANSLATE_NOOP("Lochkartor", "der Bericht als eine JSON-Zeile")}}},
        {{QStringLiteral("universal")},
         Value::None,
         [](Options &o, const QString &) {
             o.universal = true;
             return QString();
         },
         {{Use::Render, nullptr,
           QT_TRANSLATE_NOOP("Lochkartor",
                             "die Universalkarte mit den Löchern statt der erstellten Karte")}}},
        {{QStringLiteral("o")},
         Value::Name,
         [](Options &o, const QString &value) {
             o.outFile = value;
             return QString();
         },
         {{Use::Render, QT_TRANSLATE_NOOP("Lochkartor", "BILD.png"),
           QT_TRANSLATE_NOOP("Lochkartor", "das Bild der Karte (nur mit einer Datei)")},
          {Use::Read, QT_TRANSLATE_NOOP("Lochkartor", "RÖHRE.tds"),
           QT_TRANSLATE_NOOP("Lochkartor", "das Formular zur Karte als Röhrendatei")}}},
        {{QStringLiteral("out-dir")},
         Value::Name,
         [](Options &o, const QString &value) {
             o.outDir = value;
             return QString();
         },
         {{Use::Render, QT_TRANSLATE_NOOP("Lochkartor", "DIR"),
           QT_TRANSLATE_NOOP("Lochkartor", "je Datei ein Bild, benannt nach der Datei")}}},
        {{QStringLiteral("pdf")},
         Value::Name,
         [](Options &o, const QString &value) {
             o.pdfFile = value;
             return QString();
         },
         {{Use::Render, QT_TRANSLATE_NOOP("Lochkartor", "KARTEN.pdf"),
           QT_TRANSLATE_NOOP("Lochkartor", "je Röhre eine Seite: die Karte in wahrer Größe, "
                                           "darunter Name und Stanzliste")}}},
        {{QStringLiteral("page-size")},
         Value::Text,
         [](Options &o, const QString &value) {
             if (!paperNamed(value))
                 return LochkartorText::tr("--page-size nimmt A4 oder Letter, nicht „%1“")
                     .arg(PlainText::quoted(value));
             o.pageSize = value;
             return QString();
         },
         {{Use::Render, "A4|Letter",
           QT_TRANSLATE_NOOP("Lochkartor",
                             "das Papier der Seiten (sonst nach der Sprachumgebung)")}}},
        {{QStringLiteral("no-list")},
         Value::None,
         [](Options &o, const QString &) {
             o.noList = true;
             return QString();
         },
         {{Use::Render, nullptr,
           QT_TRANSLATE_NOOP("Lochkartor", "auf den Seiten keine Stanzliste")}}},
        {{QStringLiteral("no-calibration")},
         Value::None,
         [](Options &o, const QString &) {
             o.noCalibration = true;
             return QString();
         },
         {{Use::Render, nullptr,
           QT_TRANSLATE_NOOP("Lochkartor", "ohne die Korrektur aus \"Druck kalibrieren…\"")}}},
        {{QStringLiteral("h"), QStringLiteral("help")},
         Value::None,
         printsOnly,
         {{Use::Render, nullptr, QT_TRANSLATE_NOOP("Lochkartor", "diese Hilfe")}}},
        {{QStringLiteral("v"), QStringLiteral("version")},
         Value::None,
         printsOnly,
         {{Use::Render, nullptr, QT_TRANSLATE_NOOP("Lochkartor", "die Version des Programms")}}},
    };
    return options;
}

// "-o" or "--out-dir", as the help writes an option.
QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

const Option *option(const QString &name)
{
    const auto found = std::find_if(table().begin(), table().end(),
                                    [&](const Option &o) { return o.names.contains(name); });
    return found == table().end() ? nullptr : &*found;
}

QString helpColumn(const Option &option, const HelpLine &line)
{
    QString column = dashed(option.names.last());
    if (line.placeholder)
        column += QLatin1Char(' ') + translated(line.placeholder);
    return column;
}

QString helpLines(Use use)
{
    int width = 0;
    for (const Option &option : table()) {
        for (const HelpLine &line : option.help)
            width = std::max(width, int(helpColumn(option, line).size()));
    }
    QString lines;
    for (const Option &option : table()) {
        for (const HelpLine &line : option.help) {
            if (line.use == use)
                lines += QStringLiteral("  ") + helpColumn(option, line).leftJustified(width + 2)
                         + translated(line.text) + QLatin1Char('\n');
        }
    }
    return lines;
}

QString missingValue(const Option &option, const QString &name)
{
    return option.value == Value::Name
               ? LochkartorText::tr("%1 braucht einen Namen").arg(dashed(name))
               : LochkartorText::tr("%1 braucht einen Wert").arg(dashed(name));
}

// The unknown option as the user wrote it: the parser reads "-pdf" as the
// letters p, d and f, the message names "-pdf".
QString asWritten(const QString &name, const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QStringLiteral("--") + name
            || argument.startsWith(QStringLiteral("--") + name + QLatin1Char('=')))
            return argument.section(QLatin1Char('='), 0, 0);
        if (!argument.startsWith(QLatin1String("--"))
            && argument.startsWith(QLatin1Char('-') + name))
            return argument;
    }
    return dashed(name);
}

// The parser's own complaint in the words of this program: an unknown
// option, a value after a switch, or a value missing at the end.
QString parseFailure(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return LochkartorText::tr("unbekannte Option %1")
            .arg(PlainText::quoted(asWritten(unknown.first(), arguments)));
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1String("--")) || !argument.contains(QLatin1Char('=')))
            continue;
        const QString name = argument.mid(2).section(QLatin1Char('='), 0, 0);
        const Option *found = option(name);
        if (found && found->value == Value::None)
            return LochkartorText::tr("%1 nimmt keinen Wert").arg(dashed(name));
    }
    const QString last = arguments.last();
    const QString name = last.startsWith(QLatin1String("--")) ? last.mid(2) : last.right(1);
    const Option *found = option(name);
    if (found && found->value != Value::None)
        return missingValue(*found, name);
    return parser.errorText();
}

// Only one output can go to the standard output, and only one that is a
// single stream of bytes: a picture or the PDF.
QString standardOutputClash(const Options &options)
{
    const bool reading = options.readHoles || options.readJson || options.readImage;
    if (isStandardOutput(options.outDir))
        return LochkartorText::tr("--out-dir nimmt einen Ordner, nicht die Standardausgabe");
    const bool picture = isStandardOutput(options.outFile);
    if (reading && picture)
        return LochkartorText::tr("-o schreibt beim Einlesen eine Röhrendatei; sie geht nur in "
                                  "eine Datei, nicht auf die Standardausgabe");
    if (int(picture) + int(isStandardOutput(options.pdfFile)) + int(options.report != Report::None)
        > 1)
        return LochkartorText::tr("nur eine Ausgabe kann auf die Standardausgabe gehen");
    return QString();
}

// What the options cannot mean together; empty when they fit.
QString contradiction(const Options &options)
{
    if (int(options.readHoles) + int(options.readJson) + int(options.readImage) > 1)
        return LochkartorText::tr("--read-holes, --read-json und --read-image schließen sich aus");
    if (const QString stream = standardOutputClash(options); !stream.isEmpty())
        return stream;
    if (options.readHoles || options.readJson || options.readImage) {
        if (!options.files.isEmpty() || options.universal || !options.outDir.isEmpty()
            || options.report == Report::List || !options.pdfFile.isEmpty())
            return LochkartorText::tr(
                "beim Einlesen einer Karte gelten nur --socket, --json und -o");
        return QString();
    }
    if (options.socket >= 0)
        return LochkartorText::tr(
            "--socket gilt nur mit --read-holes, --read-json oder --read-image");
    if (options.pdfFile.isEmpty()) {
        for (const auto &[given, option] : {std::pair{!options.pageSize.isEmpty(), "--page-size"},
                                            std::pair{options.noList, "--no-list"},
                                            std::pair{options.noCalibration, "--no-calibration"}}) {
            if (given)
                return LochkartorText::tr("%1 gilt nur mit --pdf").arg(QLatin1String(option));
        }
    }
    if (options.files.isEmpty())
        return LochkartorText::tr("keine Röhrendatei angegeben");
    if (!options.outFile.isEmpty() && !options.outDir.isEmpty())
        return LochkartorText::tr("-o und --out-dir schließen sich aus");
    if (!options.outFile.isEmpty() && options.files.size() > 1)
        return LochkartorText::tr("-o nimmt genau eine Datei; für mehrere --out-dir");
    return QString();
}

} // namespace

bool isStandardOutput(const QString &name)
{
    return name == QLatin1String("-") || name == QLatin1String("/dev/stdout");
}

QString usage()
{
    return LochkartorText::tr("Aufruf: lochkartor-render [--json | --list] [--universal] "
                              "[-o BILD.png | --out-dir VERZEICHNIS] [--pdf KARTEN.pdf "
                              "[--page-size A4|Letter] [--no-list] [--no-calibration]] "
                              "DATEI.tds...")
           + QStringLiteral("\n\n")
           + LochkartorText::tr(
               "Lädt jede Röhrendatei wie \"Daten laden\" und gibt die erstellte Karte aus.")
           + QLatin1Char('\n') + helpLines(Use::Render)
           + LochkartorText::tr(
               "Ohne --json, -o, --out-dir und --pdf wird die Stanzliste ausgegeben.")
           + QStringLiteral("\n\n")
           + LochkartorText::tr(
               "Aufruf: lochkartor-render (--read-holes \"I 9 20 II 5\" | --read-json DATEI | "
               "--read-image BILD) [--socket N] [--json] [-o RÖHRE.tds]")
           + QStringLiteral("\n\n")
           + LochkartorText::tr(
               "Liest eine gestanzte Karte zurück und gibt aus, was ihre Löcher einstellen.")
           + QLatin1Char('\n') + helpLines(Use::Read)
           + LochkartorText::tr(
               "Status: 0 die Karte ist widerspruchsfrei, das Formular gibt genau sie und die "
               "Fassung ist bekannt, 1 sonst (auch: keine Karte im Bild, unsichere Stellen, "
               "mehrere passende Fassungen ohne --socket), 2 Aufruffehler.")
           + QLatin1Char('\n');
}

std::optional<Options> parse(const QStringList &arguments, QTextStream &err)
{
    auto fail = [&err](const QString &message) -> std::optional<Options> {
        err << "lochkartor-render: " << message << "\n\n" << usage();
        return std::nullopt;
    };
    QCommandLineParser parser;
    for (const Option &option : table())
        parser.addOption(
            QCommandLineOption(option.names, QString(),
                               option.value == Value::None ? QString() : QStringLiteral("value")));
    if (!parser.parse(arguments))
        return fail(parseFailure(parser, arguments));

    Options options;
    // Asked for help, the program helps, whatever else the line says.
    options.help = parser.isSet(QStringLiteral("help"));
    options.version = parser.isSet(QStringLiteral("version"));
    if (options.help || options.version)
        return options;
    for (const Option &option : table()) {
        const QString name = option.names.last();
        if (!parser.isSet(name))
            continue;
        // Each value is checked; the last one given counts.
        const QStringList values
            = option.value == Value::None ? QStringList{QString()} : parser.values(name);
        for (const QString &value : values) {
            const QString complaint = option.value == Value::Name && value.isEmpty()
                                          ? missingValue(option, name)
                                          : option.apply(options, value);
            if (!complaint.isEmpty())
                return fail(complaint);
        }
    }
    options.files = parser.positionalArguments();
    const QString complaint = contradiction(options);
    if (!complaint.isEmpty())
        return fail(complaint);
    const bool reading = options.readHoles || options.readJson || options.readImage;
    if (!reading && options.report == Report::None && options.outFile.isEmpty()
        && options.outDir.isEmpty() && options.pdfFile.isEmpty())
        options.report = Report::List;
    return options;
}

} // namespace RenderOptions
