#pragma once

#include <QByteArray>
#include <QString>

// Where a write to a file name lands. Links are followed one by one as the
// kernel would follow them on an open, and only to an ordinary file or to a
// name that is free: a folder, a device, a pipe or a socket is never
// replaced, a link another user planted in a folder everyone may write to is
// not followed, and a chain of links that ends nowhere or runs in a circle
// is refused.
namespace WriteTarget {

struct Target
{
    QString path; // the ordinary file or free name at the end of the links
    bool exists = false;
    QString refusal; // empty, or why nothing may be written there
};

Target resolve(const QString &fileName);

// At most `limit` bytes from the start of the ordinary file `path`, read
// without waiting on anything that is not a file. Returns an empty string
// or why the file cannot be read.
QString readHead(const QString &path, qint64 limit, QByteArray *bytes);

// Why a name whose links lead nowhere cannot be opened: a loop of links, or
// a link to a file that does not exist.
QString brokenLinkText(const QString &fileName);

// Why a write cannot go to something that is not an ordinary file, in the
// words of the file's kind (`mode` as stat gives it).
QString notAFileText(unsigned mode);

} // namespace WriteTarget
