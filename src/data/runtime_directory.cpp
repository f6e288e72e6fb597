#include "runtime_directory.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cstdlib>
#include <unistd.h>

namespace {

QByteArray madeFolder;

void removeMadeFolder()
{
    // Only when empty: whatever the program left there is no business of
    // this.
    ::rmdir(madeFolder.constData());
}

} // namespace

void provideRuntimeDirectory()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    // mkdtemp makes the folder with mode 0700, as the runtime folder must be.
    QByteArray name = QFile::encodeName(QDir::tempPath()) + "/lochkartor-runtime-XXXXXX";
    if (!::mkdtemp(name.data()))
        return;
    madeFolder = name;
    qputenv("XDG_RUNTIME_DIR", madeFolder);
    std::atexit(removeMadeFolder);
}
