#include "targets.h"

#include "card_image.h"
#include "card_page.h"
#include "safe_write.h"
#include "text_limits.h"
#include "texts.h"
#include "tube_data_writer.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace RenderTargets {

namespace {

using RenderOptions::Options;

std::optional<QPair<quint64, quint64>> identity(const QString &fileName)
{
    struct stat st;
    if (::stat(QFile::encodeName(fileName).constData(), &st) != 0)
        return std::nullopt;
    return QPair<quint64, quint64>(st.st_dev, st.st_ino);
}

QString inputText()
{
    return LochkartorText::tr("Die Datei wird in diesem Lauf gelesen; sie wird nicht "
                              "überschrieben.");
}

// An output to the standard output needs something other than a terminal
// to take its bytes.
QString streamRefusal()
{
    if (::isatty(STDOUT_FILENO))
        return LochkartorText::tr("Die Standardausgabe ist ein Terminal; leiten Sie sie in eine "
                                  "Datei oder ein Programm um.");
    return QString();
}

QString pdfRefusal(const Inputs &inputs, const QString &fileName)
{
    if (RenderOptions::isStandardOutput(fileName))
        return streamRefusal();
    if (fileName.endsWith(QLatin1String(".tds"), Qt::CaseInsensitive))
        return LochkartorText::tr("--pdf schreibt eine PDF-Datei und ersetzt keine Röhrendatei "
                                  "(.tds).");
    if (inputs.contains(fileName))
        return inputText();
    return SafeWrite::refusal(fileName, CardPage::existingPdf());
}

QString tubeFileRefusal(const Inputs &inputs, const QString &fileName)
{
    if (inputs.contains(fileName))
        return inputText();
    return TubeData::refusal(fileName);
}

} // namespace

Inputs::Inputs(const Options &options)
{
    QStringList files = options.files;
    for (const QString &file : {options.holesFile, options.imageFile}) {
        if (!file.isEmpty())
            files << file;
    }
    for (const QString &file : std::as_const(files)) {
        if (const auto id = identity(file))
            m_files << *id;
    }
}

bool Inputs::contains(const QString &fileName) const
{
    const auto id = identity(fileName);
    return id && m_files.contains(*id);
}

QString pictureRefusal(const Inputs &inputs, const QString &fileName)
{
    if (RenderOptions::isStandardOutput(fileName))
        return streamRefusal();
    const QString target = CardImage::withSuffix(fileName);
    if (inputs.contains(target))
        return inputText();
    return CardImage::refusal(target);
}

bool acceptable(const Options &options, const Inputs &inputs, QTextStream &err)
{
    const bool reading = options.readHoles || options.readJson || options.readImage;
    QList<QPair<QString, QString>> refused; // the name shown, the reason
    if (!options.outFile.isEmpty()) {
        const QString reason = reading ? tubeFileRefusal(inputs, options.outFile)
                                       : pictureRefusal(inputs, options.outFile);
        const bool stream = !reading && RenderOptions::isStandardOutput(options.outFile);
        if (!reason.isEmpty())
            refused.append(
                {reading || stream ? options.outFile : CardImage::withSuffix(options.outFile),
                 reason});
    }
    if (!options.pdfFile.isEmpty()) {
        if (const QString reason = pdfRefusal(inputs, options.pdfFile); !reason.isEmpty())
            refused.append({options.pdfFile, reason});
    }
    for (const auto &[name, reason] : std::as_const(refused))
        err << TextLimits::withVisibleControls(name) << ": " << reason << "\n";
    return refused.isEmpty();
}

QString toStandardOutput(const QByteArray &bytes)
{
    std::fflush(stdout);
    return SafeWrite::writeStream(STDOUT_FILENO, bytes);
}

} // namespace RenderTargets
