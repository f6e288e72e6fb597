#include "lochkartor.h"
#include "translation.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTranslator translator;
    // Without a translation file the German source texts are shown.
    loadTranslation(translator, QLocale::system().name());
    application.installTranslator(&translator);
    Lochkartor window;
    window.show();
    return application.exec();
}
