#include "lochkartor.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTranslator translator;
    // Looked up in the working directory; Qt tries the .qm suffix and then
    // drops the country and the language in turn (de_AT -> de -> none).
    (void)translator.load(QStringLiteral("lochkartor_") + QLocale::system().name());
    application.installTranslator(&translator);
    Lochkartor window;
    window.show();
    return application.exec();
}
