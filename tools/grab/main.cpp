// lochkartor-grab: saves what the X server shows of a window as a PNG file.
// `make screenshots` takes the README's picture of the window with it, so the
// programs themselves need no way to photograph themselves.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    bool isNumber = false;
    const WId window = arguments.value(1).toULongLong(&isNumber, 0);
    if (arguments.size() != 3 || !isNumber) {
        std::fputs("Usage: lochkartor-grab WINDOW-ID PICTURE.png\n", stderr);
        return 2;
    }
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(window);
    if (picture.isNull() || !picture.save(arguments.at(2), "PNG")) {
        std::fprintf(stderr, "lochkartor-grab: cannot grab window %s into %s\n",
                     qPrintable(arguments.at(1)), qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
