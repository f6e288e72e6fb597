#include "lochkartor.h"
#include "translation.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Names the place of the program's settings (the recent files).
    QApplication::setOrganizationName(QStringLiteral("Lochkartor"));
    QApplication::setApplicationName(QStringLiteral("lochkartor"));
    QTranslator translator;
    // Without a translation file the German source texts are shown.
    loadTranslation(translator, QLocale::system().name());
    application.installTranslator(&translator);
    Lochkartor window;
    window.show();
    window.openFromArguments(QApplication::arguments());
    return application.exec();
}
