// lochkartor-render: renders tube data files through the program's own
// window, without showing it, into card pictures, punch lists or JSON lines.

#include "card_image.h"
#include "card_report.h"
#include "dialogs.h"
#include "hole_input.h"
#include "lochkartor.h"
#include "pdf_output.h"
#include "read_card.h"
#include "scan_reader.h"
#include "scan_report.h"
#include "socket_table.h"
#include "text_limits.h"
#include "texts.h"
#include "translation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSet>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#include <optional>

namespace {

enum class Report { List, Json, None };

struct Options
{
    Report report = Report::None;
    bool universal = false;
    QString outFile;
    QString outDir;
    QStringList files;
    // Reading a card back instead of rendering files.
    bool readHoles = false;
    bool readJson = false;
    bool readImage = false;
    QString holesText;
    QString holesFile;
    QString imageFile;
    int socket = -1; // socket list index
    // One page per tube for punching by hand.
    QString pdfFile;
    QString pageSize;
    bool noList = false;
    bool noCalibration = false;
};

QString usage()
{
    return LochkartorText::tr(
        "Aufruf: lochkartor-render [--json | --list] [--universal] "
        "[-o BILD.png | --out-dir VERZEICHNIS] [--pdf KARTEN.pdf [--page-size A4|Letter] "
        "[--no-list] [--no-calibration]] DATEI.tds...\n"
        "\n"
        "Lädt jede Röhrendatei wie \"Daten laden\" und gibt die erstellte Karte aus.\n"
        "  --list         Stanzliste: Löcher mit Bedeutung, Kartentexte, Prüfung\n"
        "  --json         eine JSON-Zeile je Datei\n"
        "  --universal    die Universalkarte mit den Löchern statt der erstellten Karte\n"
        "  -o BILD.png    das Bild der Karte (nur mit einer Datei)\n"
        "  --out-dir DIR  je Datei ein Bild, benannt nach der Datei\n"
        "  --pdf KARTEN.pdf  je Röhre eine Seite: die Karte in wahrer Größe zum Stanzen,\n"
        "                 darunter Röhrenname und Stanzliste\n"
        "  --page-size A4|Letter  das Papier der Seiten (sonst nach der Sprachumgebung)\n"
        "  --no-list      auf den Seiten keine Stanzliste\n"
        "  --no-calibration  ohne die Korrektur aus \"Druck kalibrieren…\"\n"
        "  --help         diese Hilfe\n"
        "Ohne --json, -o, --out-dir und --pdf wird die Stanzliste ausgegeben.\n"
        "\n"
        "Aufruf: lochkartor-render (--read-holes \"I 9 20 II 5\" | --read-json DATEI | "
        "--read-image BILD) [--socket N] [--json] [-o RÖHRE.tds]\n"
        "\n"
        "Liest eine gestanzte Karte zurück und gibt aus, was ihre Löcher einstellen.\n"
        "  --read-holes   die Löcher als Text: Feld I oder II, dann seine Lochnummern\n"
        "  --read-json    die Löcher als JSON, wie --json sie unter \"holes\" ausgibt\n"
        "  --read-image   die Löcher aus einem Scan oder Foto der Karte (PNG, JPEG, TIFF)\n"
        "  --socket N     die Fassung, wie die Fassungsliste sie zählt (1 bis 24)\n"
        "  --json         der Bericht als eine JSON-Zeile\n"
        "  -o RÖHRE.tds   das Formular zur Karte als Röhrendatei\n"
        "Status: 0 die Karte ist widerspruchsfrei und das Formular gibt genau sie, 1 sonst "
        "(auch: keine Karte im Bild, unsichere Stellen), 2 Aufruffehler.\n");
}

// Returns the options, or nothing after a usage error has been reported.
std::optional<Options> parse(const QStringList &arguments, bool *helpOnly)
{
    Options options;
    auto fail = [](const QString &message) -> std::optional<Options> {
        QTextStream(stderr) << "lochkartor-render: " << message << "\n\n" << usage();
        return std::nullopt;
    };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            *helpOnly = true;
            return options;
        } else if (argument == QLatin1String("--json") || argument == QLatin1String("--list")) {
            const Report report = argument == QLatin1String("--json") ? Report::Json : Report::List;
            if (options.report != Report::None && options.report != report)
                return fail(LochkartorText::tr("--json und --list schließen sich aus"));
            options.report = report;
        } else if (argument == QLatin1String("--read-holes")
                   || argument == QLatin1String("--read-json")
                   || argument == QLatin1String("--read-image")
                   || argument == QLatin1String("--socket")) {
            if (i + 1 >= arguments.size())
                return fail(LochkartorText::tr("%1 braucht einen Wert").arg(argument));
            const QString value = arguments.at(++i);
            if (argument == QLatin1String("--read-holes")) {
                options.readHoles = true;
                options.holesText = value;
            } else if (argument == QLatin1String("--read-json")) {
                options.readJson = true;
                options.holesFile = value;
            } else if (argument == QLatin1String("--read-image")) {
                options.readImage = true;
                options.imageFile = value;
            } else {
                bool isNumber = false;
                const int number = value.toInt(&isNumber);
                if (!isNumber || number < 1 || number > SocketCount)
                    return fail(LochkartorText::tr("--socket nimmt eine Fassungsnummer von 1 bis "
                                                   "%1, nicht „%2“")
                                    .arg(SocketCount)
                                    .arg(value));
                options.socket = number - 1;
            }
        } else if (argument == QLatin1String("--universal")) {
            options.universal = true;
        } else if (argument == QLatin1String("-o") || argument == QLatin1String("--out-dir")
                   || argument == QLatin1String("--pdf")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty())
                return fail(LochkartorText::tr("%1 braucht einen Namen").arg(argument));
            (argument == QLatin1String("-o")          ? options.outFile
             : argument == QLatin1String("--out-dir") ? options.outDir
                                                      : options.pdfFile)
                = arguments.at(++i);
        } else if (argument == QLatin1String("--page-size")) {
            if (i + 1 >= arguments.size())
                return fail(LochkartorText::tr("%1 braucht einen Wert").arg(argument));
            options.pageSize = arguments.at(++i);
            if (!paperNamed(options.pageSize))
                return fail(LochkartorText::tr("--page-size nimmt A4 oder Letter, nicht „%1“")
                                .arg(options.pageSize));
        } else if (argument == QLatin1String("--no-list")) {
            options.noList = true;
        } else if (argument == QLatin1String("--no-calibration")) {
            options.noCalibration = true;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return fail(LochkartorText::tr("unbekannte Option %1").arg(argument));
        } else {
            options.files << argument;
        }
    }
    if (int(options.readHoles) + int(options.readJson) + int(options.readImage) > 1)
        return fail(
            LochkartorText::tr("--read-holes, --read-json und --read-image schließen sich aus"));
    if (options.readHoles || options.readJson || options.readImage) {
        if (!options.files.isEmpty() || options.universal || !options.outDir.isEmpty()
            || options.report == Report::List || !options.pdfFile.isEmpty())
            return fail(
                LochkartorText::tr("beim Einlesen einer Karte gelten nur --socket, --json und -o"));
        return options;
    }
    if (options.socket >= 0)
        return fail(LochkartorText::tr(
            "--socket gilt nur mit --read-holes, --read-json oder --read-image"));
    if (options.pdfFile.isEmpty()) {
        for (const auto &[given, option] : {std::pair{!options.pageSize.isEmpty(), "--page-size"},
                                            std::pair{options.noList, "--no-list"},
                                            std::pair{options.noCalibration, "--no-calibration"}}) {
            if (given)
                return fail(LochkartorText::tr("%1 gilt nur mit --pdf").arg(QLatin1String(option)));
        }
    }
    if (options.files.isEmpty())
        return fail(LochkartorText::tr("keine Röhrendatei angegeben"));
    if (!options.outFile.isEmpty() && !options.outDir.isEmpty())
        return fail(LochkartorText::tr("-o und --out-dir schließen sich aus"));
    if (!options.outFile.isEmpty() && options.files.size() > 1)
        return fail(LochkartorText::tr("-o nimmt genau eine Datei; für mehrere --out-dir"));
    if (options.report == Report::None && options.outFile.isEmpty() && options.outDir.isEmpty()
        && options.pdfFile.isEmpty())
        options.report = Report::List;
    return options;
}

PdfRequest pdfRequest(const Options &options)
{
    PdfRequest request;
    request.fileName = options.pdfFile;
    request.paper = options.pageSize.isEmpty() ? CardSheets::defaultPaper(QLocale::system())
                                               : *paperNamed(options.pageSize);
    request.list = !options.noList;
    request.calibrated = !options.noCalibration;
    return request;
}

// Writes the card picture the options ask for, by the same code as "Karte
// speichern"; returns an empty string or the reason of the failure.
QString writePicture(const Options &options, const Lochkartor &window, const QString &fileName)
{
    const QString target = CardImage::withSuffix(fileName);
    if (!options.universal)
        return CardImage::write(CardImage::render(window.cards().createdScene()), target);
    QGraphicsScene *universal = window.cards().universalScene();
    return CardImage::write(CardImage::render(universal, universal->sceneRect().size().toSize()),
                            target);
}

QString pictureName(const Options &options, const QString &file)
{
    if (!options.outFile.isEmpty())
        return options.outFile;
    if (options.outDir.isEmpty())
        return QString();
    return QDir(options.outDir)
        .filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".png"));
}

// A name for a line of stderr: whatever it holds, it stays on its line.
QString shown(const QString &name)
{
    return TextLimits::withVisibleControls(name);
}

// `window` serves every file in turn: a load starts from a fresh form and a
// refused file changes nothing, so each file renders as if alone.
bool render(const Options &options, const QString &file, Lochkartor &window,
            QSet<QString> &pictures, PdfOutput *pdf, QTextStream &out, QTextStream &err)
{
    // Two tube files of the same name from different folders would give
    // the same picture name; the second must not replace the first.
    const QString picture = pictureName(options, file);
    const QString pictureKey = QFileInfo(CardImage::withSuffix(picture)).absoluteFilePath();
    if (!picture.isEmpty() && pictures.contains(pictureKey)) {
        err << shown(file) << ": "
            << LochkartorText::tr("Das Bild %1 wurde in diesem Lauf schon für eine andere Datei "
                                  "geschrieben; es wird nicht überschrieben.")
                   .arg(shown(CardImage::withSuffix(picture)))
            << "\n";
        return false;
    }
    std::vector<TubeData::Adjustment> adjusted;
    const TubeData::Problem problem = window.loadTubeDataQuietly(file, &adjusted);
    if (!problem.ok()) {
        err << shown(file) << ": "
            << QString(TubeData::problemReason(problem))
                   .replace(QLatin1Char('\n'), QLatin1Char(' '))
            << "\n";
        return false;
    }
    for (const TubeData::Adjustment &adjustment : adjusted)
        err << shown(file) << ": "
            << LochkartorText::tr("Warnung: %1").arg(TubeData::adjustmentLine(adjustment)) << "\n";
    if (!picture.isEmpty()) {
        const QString failure = writePicture(options, window, picture);
        if (!failure.isEmpty()) {
            err << shown(CardImage::withSuffix(picture)) << ": " << failure << "\n";
            return false;
        }
        pictures.insert(pictureKey);
    }
    if (pdf)
        pdf->add(window, file);
    if (options.report == Report::Json)
        out << CardReport::json(window, file) << "\n";
    else if (options.report == Report::List)
        out << CardReport::punchList(window) << "\n";
    return true;
}

// The holes of --read-holes or --read-json, or nothing after a reported
// error.
std::optional<HoleList> holesToRead(const Options &options, QTextStream &err)
{
    HoleInput::Parsed parsed;
    if (options.readHoles) {
        parsed = HoleInput::fromText(options.holesText);
    } else {
        QFile file(options.holesFile);
        if (!file.open(QIODevice::ReadOnly)) {
            err << "lochkartor-render: " << options.holesFile << ": " << file.errorString() << "\n";
            return std::nullopt;
        }
        // A card's holes take a few hundred bytes; a huge file is no card.
        parsed = HoleInput::fromJson(file.read(1 << 20));
    }
    if (!parsed.error.isEmpty()) {
        err << "lochkartor-render: " << parsed.error << "\n";
        return std::nullopt;
    }
    return parsed.holes;
}

// The card in the picture of --read-image, or nothing after a reported
// error: status 2 when the file is no picture, 1 when it shows no card.
std::optional<ScanReading> scanToRead(const Options &options, QTextStream &out, QTextStream &err,
                                      int *status)
{
    QImageReader reader(options.imageFile);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        err << "lochkartor-render: " << shown(options.imageFile) << ": " << reader.errorString()
            << "\n";
        *status = 2;
        return std::nullopt;
    }
    ScanReading scan = readCardPicture(picture);
    if (!scan.cardFound) {
        if (options.report == Report::Json)
            out << QJsonDocument(QJsonObject{{QStringLiteral("scan"), ScanReport::json(scan)}})
                       .toJson(QJsonDocument::Compact)
                << "\n";
        err << "lochkartor-render: " << shown(options.imageFile) << ": " << scan.failure << "\n";
        *status = 1;
        return std::nullopt;
    }
    return scan;
}

// The report's JSON line with what the picture reader adds as "scan".
QString withScan(const QString &json, const ScanReading &scan)
{
    QJsonObject object = QJsonDocument::fromJson(json.toUtf8()).object();
    object.insert(QStringLiteral("scan"), ScanReport::json(scan));
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// Prints the report and writes the form; 0 when the card is free of
// contradictions and the form gives exactly it, and a picture of it was
// read without doubt; 1 otherwise.
int readCard(const Options &options, const HoleList &holes, const ScanReading *scan,
             QTextStream &out, QTextStream &err)
{
    Lochkartor window;
    const CardReading::Outcome outcome = ReadCard::read(holes, options.socket, window);
    const CardReading::ListTexts texts = ReadCard::listTexts(window);
    if (options.report == Report::Json) {
        const QString json = CardReading::reportJson(outcome, texts);
        out << (scan ? withScan(json, *scan) : json) << "\n";
    } else {
        if (scan)
            out << ScanReport::text(*scan);
        out << CardReading::reportText(outcome, texts);
    }
    bool written = true;
    if (!options.outFile.isEmpty()) {
        written = window.saveTubeData(options.outFile);
        const QList<Dialogs::Record> messages = Dialogs::Script::messages();
        if (!written && !messages.isEmpty())
            err << options.outFile << ": "
                << QString(messages.last().text).replace(QLatin1Char('\n'), QLatin1Char(' '))
                << "\n";
    }
    const bool sound = outcome.identical() && outcome.reading.contradictions.empty()
                       && (!scan || scan->uncertain.empty());
    return sound && written ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTranslator translator;
    loadTranslation(translator, QLocale::system().name());
    application.installTranslator(&translator);

    QTextStream out(stdout);
    QTextStream err(stderr);
    bool helpOnly = false;
    const std::optional<Options> options = parse(application.arguments(), &helpOnly);
    if (!options)
        return 2;
    if (helpOnly) {
        out << usage();
        return 0;
    }

    Dialogs::Script::begin(); // no dialog may wait for a user here
    if (options->readHoles || options->readJson) {
        const std::optional<HoleList> holes = holesToRead(*options, err);
        if (!holes)
            return 2;
        out.flush();
        return readCard(*options, *holes, nullptr, out, err);
    }
    if (options->readImage) {
        int status = 0;
        const std::optional<ScanReading> scan = scanToRead(*options, out, err, &status);
        if (!scan)
            return status;
        return readCard(*options, scan->holes, &*scan, out, err);
    }
    // A picture folder that does not exist yet is made; if that fails, each
    // picture says so on its own line.
    if (!options->outDir.isEmpty())
        QDir().mkpath(options->outDir);
    std::optional<PdfOutput> pdf;
    if (!options->pdfFile.isEmpty())
        pdf.emplace(pdfRequest(*options));
    bool allRendered = true;
    QSet<QString> pictures;
    Lochkartor window;
    for (const QString &file : options->files)
        allRendered = render(*options, file, window, pictures, pdf ? &*pdf : nullptr, out, err)
                      && allRendered;
    if (pdf)
        allRendered = pdf->finish(err) && allRendered;
    return allRendered ? 0 : 1;
}
