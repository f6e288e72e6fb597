#include "safe_write.h"
#include "texts.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeWrite {

namespace {

qint64 failAfterBytes = -1;
int failError = 0;

QString folderText()
{
    return LochkartorText::tr("Unter diesem Namen gibt es einen Ordner.");
}

// A file name that is a symbolic link: the file it points to is replaced,
// not the link.
QString resolvedTarget(const QString &fileName, QString *failure)
{
    const QFileInfo info(fileName);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    char resolved[PATH_MAX];
    if (realpath(QFile::encodeName(fileName).constData(), resolved))
        return QFile::decodeName(resolved);
    const int error = errno;
    if (error == ENOENT)
        return info.symLinkTarget(); // a dangling link gets its file
    *failure = systemErrorText(error);
    return QString();
}

// Permissions for the new file: the old file's, or what the user's umask
// gives a new file.
mode_t modeFor(const QString &target)
{
    struct stat old;
    if (stat(QFile::encodeName(target).constData(), &old) == 0)
        return old.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const QByteArray &content)
{
    qint64 done = 0;
    while (done < content.size()) {
        qint64 chunk = std::min<qint64>(content.size() - done, 64 * 1024);
        if (failAfterBytes >= 0 && done + chunk > failAfterBytes) {
            chunk = failAfterBytes - done;
            if (chunk <= 0) {
                errno = failError;
                return false;
            }
        }
        const ssize_t written = ::write(fd, content.constData() + done, size_t(chunk));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        done += written;
    }
    return true;
}

bool readsBack(int fd, const QByteArray &content)
{
    if (lseek(fd, 0, SEEK_SET) != 0)
        return false;
    QByteArray back(content.size() + 1, Qt::Uninitialized);
    qint64 done = 0;
    while (done < back.size()) {
        const ssize_t got = ::read(fd, back.data() + done, size_t(back.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        done += got;
    }
    back.truncate(done);
    return back == content;
}

} // namespace

QString systemErrorText(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return LochkartorText::tr("Der Datenträger ist voll.");
    case EACCES:
    case EPERM:
        return LochkartorText::tr("Keine Berechtigung.");
    case EROFS:
        return LochkartorText::tr("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
    case ENOTDIR:
        return LochkartorText::tr("Der Ordner existiert nicht.");
    case ELOOP:
        return LochkartorText::tr("Zu viele symbolische Verknüpfungen.");
    case ENAMETOOLONG:
        return LochkartorText::tr("Der Name ist zu lang.");
    case EISDIR:
        return folderText();
    case EFBIG:
        return LochkartorText::tr("Die Datei wäre zu groß.");
    case EMFILE:
    case ENFILE:
        return LochkartorText::tr("Zu viele offene Dateien.");
    case EIO:
        return LochkartorText::tr("Der Datenträger meldet einen Ein- oder Ausgabefehler.");
    default:
        break;
    }
    return LochkartorText::tr("Das System meldet den Fehler Nummer %1.").arg(error);
}

QString replaceFile(const QString &fileName, const QByteArray &content, const Check &check)
{
    if (check && !check(content))
        return LochkartorText::tr("Der Inhalt konnte nicht vollständig erzeugt werden.");
    QString failure;
    const QString target = resolvedTarget(fileName, &failure);
    if (target.isEmpty())
        return failure;
    if (QFileInfo(target).isDir())
        return folderText();
    // A file the user made read-only stays as it is, although the folder
    // would let a new file take its place.
    const QByteArray encodedTarget = QFile::encodeName(target);
    if (::access(encodedTarget.constData(), F_OK) == 0
        && ::access(encodedTarget.constData(), W_OK) != 0)
        return systemErrorText(errno);

    QByteArray temporary = QFile::encodeName(target) + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return systemErrorText(errno);
    auto fail = [&](int error, const QString &reason = QString()) {
        ::close(fd);
        ::unlink(temporary.constData());
        return reason.isEmpty() ? systemErrorText(error) : reason;
    };
    if (!writeAll(fd, content) || fsync(fd) != 0)
        return fail(errno);
    if (!readsBack(fd, content))
        return fail(errno, LochkartorText::tr("Die geschriebene Datei liest sich nicht zurück."));
    if (fchmod(fd, modeFor(target)) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return systemErrorText(error);
    }
    if (::rename(temporary.constData(), encodedTarget.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return systemErrorText(error);
    }
    return QString();
}

void failWritesAfter(qint64 bytes, int error)
{
    failAfterBytes = bytes;
    failError = error;
}

} // namespace SafeWrite
