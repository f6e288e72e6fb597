#include "safe_write.h"
#include "texts.h"
#include "write_target.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeWrite {

namespace {

qint64 failAfterBytes = -1;
int failError = 0;

// mkstemp failed in the target's folder: the folder is what refuses.
QString folderRefusal(int error, const QString &folder)
{
    if (error == EACCES || error == EPERM)
        return LochkartorText::tr("Keine Schreibberechtigung für den Ordner, in dem die Datei "
                                  "liegt.");
    // /proc and its like exist as folders but take no new files.
    if (error == ENOENT && QFileInfo(folder).isDir())
        return LochkartorText::tr("In diesem Ordner lassen sich keine Dateien anlegen.");
    return systemErrorText(error);
}

// A name the target did not have a moment ago is not replaced; a name that
// now is not an ordinary file neither.
int renameOnto(const QByteArray &temporary, const QByteArray &target, bool existed)
{
    if (!existed) {
        if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(),
                        RENAME_NOREPLACE)
            == 0)
            return 0;
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
    } else {
        struct stat st;
        if (::lstat(target.constData(), &st) == 0 && !S_ISREG(st.st_mode))
            return EEXIST;
    }
    return ::rename(temporary.constData(), target.constData()) == 0 ? 0 : errno;
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
        return LochkartorText::tr(
            "Die symbolischen Verknüpfungen bilden eine Schleife oder sind zu viele.");
    case ENAMETOOLONG:
        return LochkartorText::tr("Der Name ist zu lang.");
    case EISDIR:
        return WriteTarget::notAFileText(S_IFDIR);
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

namespace {

QString refusalOf(const WriteTarget::Target &target, const Existing &existing)
{
    if (!target.refusal.isEmpty() || !target.exists)
        return target.refusal;
    // A file the user made read-only stays as it is, although the folder
    // would let a new file take its place.
    if (::access(QFile::encodeName(target.path).constData(), W_OK) != 0)
        return systemErrorText(errno);
    if (!existing.holds)
        return QString();
    QByteArray head;
    const QString failure = WriteTarget::readHead(target.path, existing.headSize, &head);
    if (!failure.isEmpty())
        return failure;
    return head.isEmpty() || existing.holds(head) ? QString() : existing.notIt;
}

} // namespace

QString refusal(const QString &fileName, const Existing &existing)
{
    return refusalOf(WriteTarget::resolve(fileName), existing);
}

QString replaceFile(const QString &fileName, const QByteArray &content, const Check &check,
                    const Existing &existing)
{
    if (check && !check(content))
        return LochkartorText::tr("Der Inhalt konnte nicht vollständig erzeugt werden.");
    const WriteTarget::Target target = WriteTarget::resolve(fileName);
    if (const QString refused = refusalOf(target, existing); !refused.isEmpty())
        return refused;

    const QByteArray encodedTarget = QFile::encodeName(target.path);
    // A short name of its own, so that any name the file system allows can
    // be saved.
    const QString folder = QFileInfo(target.path).path();
    QByteArray temporary = QFile::encodeName(folder) + "/.lochkartor-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return folderRefusal(errno, folder);
    auto fail = [&](int error, const QString &reason = QString()) {
        ::close(fd);
        ::unlink(temporary.constData());
        return reason.isEmpty() ? systemErrorText(error) : reason;
    };
    if (!writeAll(fd, content) || fsync(fd) != 0)
        return fail(errno);
    if (!readsBack(fd, content))
        return fail(errno, LochkartorText::tr("Die geschriebene Datei liest sich nicht zurück."));
    if (fchmod(fd, modeFor(target.path)) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return systemErrorText(error);
    }
    if (const int error = renameOnto(temporary, encodedTarget, target.exists); error != 0) {
        ::unlink(temporary.constData());
        return error == EEXIST ? LochkartorText::tr("Unter diesem Namen ist während des Schreibens "
                                                    "etwas anderes entstanden; es bleibt, wie "
                                                    "es ist.")
                               : systemErrorText(error);
    }
    return QString();
}

QString writeStream(int fd, const QByteArray &content)
{
    return writeAll(fd, content) ? QString() : systemErrorText(errno);
}

void failWritesAfter(qint64 bytes, int error)
{
    failAfterBytes = bytes;
    failError = error;
}

} // namespace SafeWrite
