#include "window_command_line.h"

#include "texts.h"
#include "version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace WindowCommandLine {

Request read(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        LochkartorText::tr("Entwirft die Lochkarten eines kartengesteuerten Röhrenprüfers."));
    // Own options rather than Qt's, so that the help speaks the program's
    // language through its own translation.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  LochkartorText::tr("diese Hilfe"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     LochkartorText::tr("die Version des Programms"));
    parser.addOption(help);
    parser.addOption(version);
    const QString file = LochkartorText::tr("DATEI.tds");
    parser.addPositionalArgument(file, LochkartorText::tr("die Röhrendatei, die geöffnet wird"),
                                 QLatin1Char('[') + file + QLatin1Char(']'));

    Request request;
    const QString program = QCoreApplication::applicationName();
    auto fail = [&](const QString &message) {
        err << program << ": " << message << "\n\n" << parser.helpText();
        request.exitStatus = 2;
        return request;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        out << parser.helpText();
        request.exitStatus = 0;
        return request;
    }
    if (parser.isSet(version)) {
        out << program << ' ' << lochkartorVersion() << '\n';
        request.exitStatus = 0;
        return request;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail(LochkartorText::tr("nur eine Röhrendatei, nicht %1").arg(files.size()));
    request.file = files.value(0);
    return request;
}

} // namespace WindowCommandLine
