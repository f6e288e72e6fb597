// libFuzzer entry point for the tube data file loader: every input is
// written to a file and loaded into one window, which must neither crash
// nor leave its two cards disagreeing.

#include "dialogs.h"
#include "lochkartor.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

struct Session
{
    Session()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = new QApplication(argc, argv);
        Dialogs::Script::begin();
        window = new Lochkartor;
        fileName = directory.filePath(QStringLiteral("input.tds"));
    }
    int argc = 1;
    char name[16] = "loader_fuzzer";
    char *argv[2] = {name, nullptr};
    QApplication *application = nullptr;
    Lochkartor *window = nullptr;
    QTemporaryDir directory;
    QString fileName;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Session session;
    QFile file(session.fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    Dialogs::Script::clearRecords();
    session.window->loadTubeData(session.fileName);
    if (session.window->cards().punchedHoles() != session.window->cards().universalPunchedHoles())
        std::abort();
    return 0;
}
