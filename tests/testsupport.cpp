#include "testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <algorithm>

namespace TestSupport {

InstalledTranslator::InstalledTranslator(QTranslator &translator)
    : m_translator(translator)
{
    QCoreApplication::installTranslator(&m_translator);
}

InstalledTranslator::~InstalledTranslator()
{
    QCoreApplication::removeTranslator(&m_translator);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

const QStringList pinFunctionTexts = {"Heizung(-)",
                                      "Heizung(+)",
                                      "Kathode",
                                      "Kathode Doppeltriode 1",
                                      "Kathode Doppeltriode 2",
                                      "Steuergitter",
                                      "Anode",
                                      "Schirmgitter / Anode 2",
                                      "Heizung(-) & Kathode",
                                      "Heizung(+) & Kathode",
                                      "Unbelegt"};

namespace {
QStringList collected;
QtMessageHandler previousHandler = nullptr;

// The offscreen platform that the tests run on cannot pass size hints to a
// window system and says so for every window with size constraints; a real
// X server does not print it.
bool isOffscreenPlatformNotice(const QString &message)
{
    return message == QLatin1String("This plugin does not support propagateSizeHints()")
           || message == QLatin1String("This plugin does not support raise()");
}

void collectingHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if ((type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        && !isOffscreenPlatformNotice(message))
        collected.append(message);
    if (previousHandler)
        previousHandler(type, context, message);
}
} // namespace

WarningCollector::WarningCollector()
{
    collected.clear();
    previousHandler = qInstallMessageHandler(collectingHandler);
}

WarningCollector::~WarningCollector()
{
    qInstallMessageHandler(previousHandler);
}

QStringList WarningCollector::messages() const
{
    return collected;
}

QString holesText(const HoleList &holes)
{
    QStringList parts;
    for (const Hole &hole : holes)
        parts.append((hole.field == 1 ? QStringLiteral("I") : QStringLiteral("II"))
                     + QString::number(hole.number));
    return parts.join(QLatin1Char(' '));
}

HoleList parseHoles(const QString &text)
{
    HoleList holes;
    static const QRegularExpression pattern(QStringLiteral("^(I|II)(\\d+)$"));
    for (const QString &part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = pattern.match(part);
        if (!match.hasMatch())
            qFatal("bad hole name %s", qPrintable(part));
        holes.push_back(
            {match.captured(1) == QLatin1String("I") ? 1 : 2, match.captured(2).toInt()});
    }
    std::sort(holes.begin(), holes.end());
    return holes;
}

void isolateSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("LochkartorTest"));
    QSettings().clear();
}

} // namespace TestSupport
