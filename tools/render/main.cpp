// lochkartor-render: renders tube data files through the program's own card
// engine, without a window, into card pictures, punch lists or JSON lines,
// and reads cards back.

#include "card_check.h"
#include "card_image.h"
#include "card_listing.h"
#include "card_painting.h"
#include "form_replay.h"
#include "hole_input.h"
#include "options.h"
#include "pdf_output.h"
#include "picture_file.h"
#include "plain_text.h"
#include "runtime_directory.h"
#include "scan_reader.h"
#include "scan_report.h"
#include "stream_check.h"
#include "targets.h"
#include "text_limits.h"
#include "texts.h"
#include "translation.h"
#include "tube_file.h"
#include "version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
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

using RenderOptions::Options;
using RenderOptions::Report;

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
QString writePicture(const Options &options, const Card &card, const QString &fileName)
{
    const QImage image
        = CardPainting::render(card, options.universal ? CardPainting::Picture::Universal
                                                       : CardPainting::Picture::Created);
    if (!RenderOptions::isStandardOutput(fileName))
        return CardImage::write(image, CardImage::withSuffix(fileName));
    QByteArray png;
    const QString failure = CardImage::encode(image, QStringLiteral("card.png"), &png);
    return failure.isEmpty() ? RenderTargets::toStandardOutput(png) : failure;
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

// A name for a line of stderr: whatever it holds, it stays on its line
// and within bounds.
QString shown(const QString &name)
{
    return PlainText::quoted(name);
}

// Each file is read into a tube of its own and its card made from that, as
// "Daten laden" gives it in a fresh form.
bool render(const Options &options, const QString &file, const RenderTargets::Inputs &inputs,
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
    if (!options.outDir.isEmpty()) {
        if (const QString refused = RenderTargets::pictureRefusal(inputs, picture);
            !refused.isEmpty()) {
            err << shown(CardImage::withSuffix(picture)) << ": " << refused << "\n";
            return false;
        }
    }
    const TubeData::LoadedTube loaded = TubeData::readTube(file);
    const TubeData::Problem &problem = loaded.problem;
    // Quoted once: a file with many adjusted values names itself on each line.
    const QString shownFile = shown(file);
    if (!problem.ok()) {
        err << shownFile << ": "
            << QString(TubeData::problemReason(problem))
                   .replace(QLatin1Char('\n'), QLatin1Char(' '))
            << "\n";
        return false;
    }
    for (const TubeData::Adjustment &adjustment : loaded.adjustments)
        err << shownFile << ": "
            << LochkartorText::tr("Warnung: %1").arg(TubeData::adjustmentLine(adjustment)) << "\n";
    const Card card = cardOf(loaded.tube);
    if (!picture.isEmpty()) {
        const QString failure = writePicture(options, card, picture);
        if (!failure.isEmpty()) {
            err << shown(CardImage::withSuffix(picture)) << ": " << failure << "\n";
            return false;
        }
        pictures.insert(pictureKey);
    }
    if (pdf)
        pdf->add(loaded.tube, card, file);
    if (options.report == Report::Json)
        out << CardReport::json(card, file) << "\n";
    else if (options.report == Report::List)
        out << CardReport::punchList(loaded.tube, card) << "\n";
    return true;
}

// The holes of --read-holes or --read-json (with the printed texts the JSON
// gives), or nothing after a reported error.
std::optional<HoleInput::Parsed> holesToRead(const Options &options, QTextStream &err)
{
    const HoleInput::Parsed parsed = options.readHoles ? HoleInput::fromText(options.holesText)
                                                       : HoleInput::fromJsonFile(options.holesFile);
    if (!parsed.error.isEmpty()) {
        err << "lochkartor-render: ";
        if (!options.readHoles)
            err << shown(options.holesFile) << ": ";
        err << parsed.error << "\n";
        return std::nullopt;
    }
    return parsed;
}

// The card in the picture of --read-image with the texts printed on it, or
// nothing after a reported error: status 2 when the file is no picture, 1
// when it shows no card.
std::optional<ScanReading> scanToRead(const Options &options, QTextStream &out, QTextStream &err,
                                      int *status, PrintedTexts *print)
{
    const CardPictureFile file = PictureFile::read(options.imageFile);
    if (file.picture.isNull()) {
        err << "lochkartor-render: " << shown(options.imageFile) << ": " << file.error << "\n";
        *status = 2;
        return std::nullopt;
    }
    ScanReading scan = readCardPicture(file.picture);
    scan.pages = file.pages;
    if (!scan.cardFound) {
        if (options.report == Report::Json)
            out << QJsonDocument(QJsonObject{{QStringLiteral("scan"), ScanReport::json(scan)}})
                       .toJson(QJsonDocument::Compact)
                << "\n";
        err << "lochkartor-render: " << shown(options.imageFile) << ": " << scan.failure << "\n";
        *status = 1;
        return std::nullopt;
    }
    *print = readPrintedTexts(file.picture, scan);
    return scan;
}

// The report's JSON line with what the picture reader adds as "scan".
QString withScan(const QString &json, const ScanReading &scan)
{
    QJsonObject object = QJsonDocument::fromJson(json.toUtf8()).object();
    object.insert(QStringLiteral("scan"), ScanReport::json(scan));
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The card fits several sockets (or none) and --socket did not say which.
QString socketQuestion(const CardReading::Outcome &outcome, const CardReading::ListTexts &texts)
{
    if (outcome.sockets.empty())
        return LochkartorText::tr("keine Fassung bedient alle verdrahteten Leitungen");
    QStringList names;
    for (int socket : outcome.sockets)
        names << (socket < texts.sockets.size() ? texts.sockets.at(socket) : QString());
    return LochkartorText::tr("die Karte passt zu mehreren Fassungen (%1); mit --socket die der "
                              "Röhre wählen, vorläufig gilt %2")
        .arg(names.join(QStringLiteral(", ")), names.front());
}

// Prints the report and writes the form; 0 when the card is free of
// contradictions, its print (where read) agrees with its holes, the form
// gives exactly it, its socket is known, and a picture of it was read
// without doubt; 1 otherwise.
int readCard(const Options &options, const HoleList &holes, const PrintedTexts *print,
             const ScanReading *scan, QTextStream &out, QTextStream &err)
{
    const CardReading::Outcome outcome = print ? CardCheck::read(holes, options.socket, *print)
                                               : CardCheck::read(holes, options.socket);
    const CardReading::ListTexts texts = CardCheck::listTexts();
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
        const TubeData::Problem problem
            = TubeData::writeTube(options.outFile, CardCheck::tubeOf(outcome.form));
        written = problem.ok();
        if (!written)
            err << shown(options.outFile) << ": "
                << TubeData::problemText(problem, options.outFile)
                       .replace(QLatin1Char('\n'), QLatin1Char(' '))
                << "\n";
    }
    if (!outcome.socketKnown())
        err << "lochkartor-render: " << socketQuestion(outcome, texts) << "\n";
    const bool sound = outcome.identical() && outcome.reading.contradictions.empty()
                       && !outcome.printContradicts() && outcome.socketKnown()
                       && (!scan || !scan->isDoubtful());
    return sound && written ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    provideRuntimeDirectory();
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("lochkartor-render"));
    QGuiApplication::setApplicationVersion(lochkartorVersion());
    QTranslator translator;
    loadTranslation(translator, QLocale::system().name());
    application.installTranslator(&translator);

    QTextStream out(stdout);
    QTextStream err(stderr);
    // Whatever the outcome, it stands only when stdout took all of it.
    const auto done = [&](int status) { return StreamCheck::finish(status, out, err); };
    const std::optional<Options> options = RenderOptions::parse(application.arguments(), err);
    if (!options)
        return done(2);
    if (options->help) {
        out << RenderOptions::usage();
        return done(0);
    }
    if (options->version) {
        out << QCoreApplication::applicationName() << ' ' << lochkartorVersion() << '\n';
        return done(0);
    }

    const RenderTargets::Inputs inputs(*options);
    if (!RenderTargets::acceptable(*options, inputs, err))
        return 1;
    if (options->readHoles || options->readJson) {
        const std::optional<HoleInput::Parsed> holes = holesToRead(*options, err);
        if (!holes)
            return done(2);
        out.flush();
        return done(readCard(*options, holes->holes, holes->printGiven ? &holes->print : nullptr,
                             nullptr, out, err));
    }
    if (options->readImage) {
        int status = 0;
        PrintedTexts print;
        const std::optional<ScanReading> scan = scanToRead(*options, out, err, &status, &print);
        if (!scan)
            return done(status);
        return done(readCard(*options, scan->holes, &print, &*scan, out, err));
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
    for (const QString &file : options->files)
        allRendered = render(*options, file, inputs, pictures, pdf ? &*pdf : nullptr, out, err)
                      && allRendered;
    if (pdf)
        allRendered = pdf->finish(err) && allRendered;
    return done(allRendered ? 0 : 1);
}
