#include "lochkartor.h"
#include "runtime_directory.h"
#include "stream_check.h"
#include "translation.h"
#include "version.h"
#include "window_command_line.h"

#include <QApplication>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <cstring>

namespace {

// --help and --version only print; they work where no display is, over ssh
// or in a package build, so the program then needs no window system.
bool onlyPrints(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        for (const char *option : {"-h", "--help", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (onlyPrints(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    provideRuntimeDirectory();
    QApplication application(argc, argv);
    // Names the place of the program's settings (the recent files and the
    // folder the file dialogs used last).
    QApplication::setOrganizationName(QStringLiteral("Lochkartor"));
    QApplication::setApplicationName(QStringLiteral("lochkartor"));
    QApplication::setApplicationVersion(lochkartorVersion());
    QTranslator translator;
    // Without a translation file the German source texts are shown, and Qt's
    // own dialogs and buttons then speak German too.
    const bool translated = loadTranslation(translator, QLocale::system().name());
    QTranslator qtTranslator;
    loadQtTranslation(qtTranslator, translated ? QLocale::system().name() : QStringLiteral("de"));
    application.installTranslator(&qtTranslator);
    application.installTranslator(&translator);

    WindowCommandLine::Request request;
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        request = WindowCommandLine::read(QApplication::arguments(), out, err);
        if (request.exitStatus >= 0)
            request.exitStatus = StreamCheck::finish(request.exitStatus, out, err);
    }
    if (request.exitStatus >= 0)
        return request.exitStatus;
    Lochkartor window;
    window.show();
    window.openCommandLineFile(request.file);
    return application.exec();
}
