#include "write_target.h"

#include "safe_write.h"
#include "text_limits.h"
#include "texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace WriteTarget {

namespace {

// As many links as the kernel follows in one name.
constexpr int MaxLinks = 40;

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString loopText()
{
    return LochkartorText::tr(
        "Die symbolischen Verknüpfungen bilden eine Schleife oder sind zu viele.");
}

// fs.protected_symlinks: in a sticky folder that everyone may write to, a
// link is followed only by its owner or when the folder's owner made it.
// Opens obey this in the kernel; a rename onto the link's target would not.
bool mayFollow(const QString &link, const struct stat &linkStat)
{
    struct stat folder;
    if (::stat(encoded(QFileInfo(link).path()).constData(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || linkStat.st_uid == folder.st_uid || linkStat.st_uid == geteuid();
}

QString foreignLinkText(const QString &link)
{
    return LochkartorText::tr("Die Verknüpfung „%1“ gehört einem anderen Benutzer und liegt in "
                              "einem Ordner, in den alle schreiben dürfen; ihr wird nicht gefolgt.")
        .arg(TextLimits::quotedInMessage(QFileInfo(link).fileName()));
}

// A link that names no file. /dev/stdout and its like end in the kernel's
// names of pipes and terminals, which only the kernel can follow.
QString danglingText(const QString &fileName)
{
    struct stat kernelView;
    if (::stat(encoded(fileName).constData(), &kernelView) == 0)
        return notAFileText(kernelView.st_mode);
    return brokenLinkText(fileName);
}

QString linkTarget(const QString &link)
{
    QByteArray target(4096, Qt::Uninitialized);
    const ssize_t length = ::readlink(encoded(link).constData(), target.data(), target.size());
    if (length < 0 || length >= target.size())
        return QString();
    target.truncate(length);
    const QString name = QFile::decodeName(target);
    // Joined, not cleaned: "link/.." means the folder above the link's target.
    return QDir::isAbsolutePath(name) ? name : QFileInfo(link).path() + QLatin1Char('/') + name;
}

} // namespace

QString brokenLinkText(const QString &fileName)
{
    struct stat st;
    if (::stat(encoded(fileName).constData(), &st) != 0 && errno == ELOOP)
        return loopText();
    return LochkartorText::tr(
        "Die symbolische Verknüpfung zeigt auf eine Datei, die es nicht gibt.");
}

QString notAFileText(unsigned mode)
{
    if (S_ISDIR(mode))
        return LochkartorText::tr("Unter diesem Namen gibt es einen Ordner.");
    if (S_ISFIFO(mode))
        return LochkartorText::tr(
            "Das Ziel ist eine Pipe (FIFO), keine gewöhnliche Datei; sie wird nicht ersetzt.");
    if (S_ISSOCK(mode))
        return LochkartorText::tr(
            "Das Ziel ist ein Socket, keine gewöhnliche Datei; er wird nicht ersetzt.");
    return LochkartorText::tr(
        "Das Ziel ist ein Gerät, keine gewöhnliche Datei; es wird nicht ersetzt.");
}

Target resolve(const QString &fileName)
{
    Target target;
    QString path = QFileInfo(fileName).absoluteFilePath();
    for (int hop = 0;; ++hop) {
        struct stat st;
        if (::lstat(encoded(path).constData(), &st) != 0) {
            const int error = errno;
            if (error == ENOENT && hop == 0)
                target.path = path; // a new file; its folder speaks for itself
            else if (error == ENOENT)
                target.refusal = danglingText(fileName);
            else
                target.refusal = error == ELOOP ? loopText() : SafeWrite::systemErrorText(error);
            return target;
        }
        if (!S_ISLNK(st.st_mode)) {
            target.path = path;
            target.exists = true;
            if (!S_ISREG(st.st_mode))
                target.refusal = notAFileText(st.st_mode);
            return target;
        }
        if (hop == MaxLinks) {
            target.refusal = loopText();
            return target;
        }
        if (!mayFollow(path, st)) {
            target.refusal = foreignLinkText(path);
            return target;
        }
        path = linkTarget(path);
        if (path.isEmpty()) {
            target.refusal = SafeWrite::systemErrorText(errno);
            return target;
        }
    }
}

QString readHead(const QString &path, qint64 limit, QByteArray *bytes)
{
    const int fd
        = ::open(encoded(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return LochkartorText::tr("Die vorhandene Datei kann nicht gelesen werden: %1")
            .arg(error == ELOOP ? loopText() : SafeWrite::systemErrorText(error));
    }
    struct stat st;
    QString failure;
    if (::fstat(fd, &st) != 0)
        failure = SafeWrite::systemErrorText(errno);
    else if (!S_ISREG(st.st_mode))
        failure = notAFileText(st.st_mode);
    bytes->clear();
    while (failure.isEmpty() && bytes->size() < limit) {
        char chunk[16384];
        const ssize_t got = ::read(
            fd, chunk, size_t(std::min<qint64>(qint64(sizeof chunk), limit - bytes->size())));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            failure = LochkartorText::tr("Die vorhandene Datei kann nicht gelesen werden: %1")
                          .arg(SafeWrite::systemErrorText(errno));
        if (got <= 0)
            break;
        bytes->append(chunk, got);
    }
    ::close(fd);
    return failure;
}

} // namespace WriteTarget
