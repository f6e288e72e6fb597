#include "lochkartor.h"
#include "translation.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Names the place of the program's settings (the recent files and the
    // folder the file dialogs used last).
    QApplication::setOrganizationName(QStringLiteral("Lochkartor"));
    QApplication::setApplicationName(QStringLiteral("lochkartor"));
    QTranslator translator;
    // Without a translation file the German source texts are shown, and Qt's
    // own dialogs and buttons then speak German too.
    const bool translated = loadTranslation(translator, QLocale::system().name());
    QTranslator qtTranslator;
    loadQtTranslation(qtTranslator, translated ? QLocale::system().name() : QStringLiteral("de"));
    application.installTranslator(&qtTranslator);
    application.installTranslator(&translator);
    Lochkartor window;
    window.show();
    window.openFromArguments(QApplication::arguments());
    return application.exec();
}
